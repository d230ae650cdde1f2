// The locator map window TfmLocList: all 324 locator fields of one band, the worked ones drawn in
// blue and underlined, under the band strip of nine band buttons. It lives at most as long as the
// statistics window that opened it, but is a top-level window of its own (no Win32 owner).
#pragma once

#include <windows.h>
// commctrl.h needs the Windows types first.
#include <commctrl.h>

#include <string>
#include <vector>

#include "scoring/worked_fields.h"
#include "ui/band_strip_win.h"
#include "ui/form_storage.h"
#include "ui/form_window_win.h"
#include "ui/gdi_object_win.h"
#include "ui/image_list_win.h"
#include "ui/registry_store_win.h"

class TfmLocList {
 public:
  ~TfmLocList();

  // Creates the map for a statistics window: reads its worked fields, and reads and sets its
  // stored "CurrentBand". Sets `openMap`, the statistics window's reference to its map (fmLocList),
  // which the map clears when it closes or goes; restores the map's placement, runs FormShow and
  // shows the window. An error in a window event is shown in a message box.
  static TfmLocList* Create(const WorkedFieldList& workedFields, FormStorage& mainStorage,
                            TfmLocList*& openMap);

  HWND Handle() const;
  void SelectBand(int index);
  // Destroys the window at once (its statistics window is going); saves its placement first.
  void DestroyWithOwner();
  // Writes now what its destruction will save (see SaveFormSettingsAheadOfDestroy).
  void SaveSettingsAheadOfDestroy() noexcept;

 private:
  friend class FormWindow<TfmLocList>;

  TfmLocList(const WorkedFieldList& workedFields, FormStorage& mainStorage, TfmLocList*& openMap);
  TfmLocList(const TfmLocList&) = delete;
  TfmLocList& operator=(const TfmLocList&) = delete;

  static void RegisterControlClasses();
  static LRESULT CALLBACK FieldListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR unused);
  static void OnFieldListEraseBackground(HWND list, HDC dc);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnSize(WPARAM kind);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnClose();
  LRESULT OnDestroy();
  LRESULT OnRelease();

  void CreateControls();
  void SizeColumns();
  void MeasureRows();
  int RowHeight() const;
  void SetRowHeight(int height);

  void FormCreate();
  void FormShow();
  void BandButtonClick(HWND sender);
  LRESULT FieldListCustomDraw(NMLVCUSTOMDRAW& draw) const;
  void FormClose();
  // Clears the statistics window's reference, if it still names this map, and lets it go: a
  // closed map may outlive its statistics window until its release request is dispatched.
  void LeaveOwner();

  const WorkedFieldList& workedFields_;
  FormStorage& mainStorage_;  // the statistics window's: "CurrentBand"
  TfmLocList** openMap_;      // the statistics window's reference to it, until it leaves
  RegistryStore settings_;
  FormStorage formStorage_;

  HWND handle_ = nullptr;
  BandStrip bandStrip_;
  HWND fieldList_ = nullptr;
  std::vector<std::string> captions_;
  std::string BandPrefix;

  Font font_;
  Font underlinedFont_;
  ImageList rowImages_;  // blank: they only set the rows' height
  int rowImagesHeight_ = 0;
  int textRowHeight_ = 1;  // a row without images: its text and the list's padding
  int rowPadding_ = 0;     // what the list adds to the images' height
};
