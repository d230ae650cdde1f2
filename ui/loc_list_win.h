// The locator map window TfmLocList: all 324 locator fields of one band, the worked ones drawn in
// blue and underlined, with a strip of nine band buttons. It lives at most as long as the
// statistics window that opened it, but is a top-level window of its own (no Win32 owner).
#pragma once

#include <windows.h>
// commctrl.h needs the Windows types first.
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "scoring/worked_fields.h"
#include "ui/form_storage.h"
#include "ui/form_window_win.h"
#include "ui/gdi_object_win.h"
#include "ui/locator_map_rules.h"
#include "ui/registry_store_win.h"

class TfmLocList {
 public:
  ~TfmLocList();

  // Creates the map for a statistics window: reads its worked fields, and reads and sets its
  // stored "CurrentBand". Sets `openMap`, the statistics window's reference to its map (fmLocList),
  // which the map clears when it closes or goes; restores the map's placement, runs FormShow and
  // shows the window. An error in a window event is shown in a message box.
  static TfmLocList* Create(const WorkedFieldList& workedFields, TFormStorage& mainStorage,
                            TfmLocList*& openMap);

  HWND Handle() const;
  void SelectBand(int index);
  // Destroys the window at once (its statistics window is going); saves its placement first.
  void DestroyWithOwner();

 private:
  friend class FormWindow<TfmLocList>;

  TfmLocList(const WorkedFieldList& workedFields, TFormStorage& mainStorage, TfmLocList*& openMap);
  TfmLocList(const TfmLocList&) = delete;
  TfmLocList& operator=(const TfmLocList&) = delete;

  static void RegisterWindowClasses();
  static LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BandButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR form);
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR id, DWORD_PTR unused);
  static void OnListEraseBackground(HWND list, HDC dc);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnSize(WPARAM kind);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnNotify(NMHDR& header);
  LRESULT OnClose();
  LRESULT OnDestroy();
  LRESULT OnRelease();
  void OnBandButtonMouseMove(HWND button);
  void OnBandButtonMouseLeave(HWND button);
  LRESULT OnBandButtonGetCheck(HWND button) const;

  void CreateControls();
  HWND CreateBandButton(int tag);
  void RestorePlacement();
  void SaveOnClose();
  void SaveOnDestroy();
  void SizeColumns();
  void PutDown(int tag);
  int TagOf(HWND button) const;
  void DrawBandButton(const DRAWITEMSTRUCT& item) const;

  void FormCreate();
  void FormShow();
  void RzBitBtn1Click(HWND sender);
  LRESULT LV1CustomDrawItem(NMLVCUSTOMDRAW& draw) const;
  void Panel2Resize();
  void FormClose();
  // Clears the statistics window's reference, if it still names this map, and lets it go: a
  // closed map may outlive its statistics window until its release request is dispatched.
  void LeaveOwner();

  const WorkedFieldList& workedFields_;
  TFormStorage& mainStorage_;  // the statistics window's: "CurrentBand"
  TfmLocList** openMap_;       // the statistics window's reference to it, until it leaves
  RegistryStore settings_;
  TFormStorage FormStorage1;

  HWND handle_ = nullptr;
  HWND Panel2 = nullptr;
  HWND LV1 = nullptr;
  std::array<HWND, kBandButtonTags.size()> bandButtons_{};  // in child order, as the tags
  int downTag_ = kDefaultDownTag;
  HWND hotButton_ = nullptr;  // the band button under the mouse
  std::vector<std::string> captions_;
  std::string BandPrefix;

  Font font_;
  Font underlinedFont_;
  GdiObject<HBRUSH> downPattern_;
};
