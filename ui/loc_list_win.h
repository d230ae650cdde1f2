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

#include "scoring/main_form_scoring.h"
#include "scoring/worked_fields.h"
#include "ui/form_storage.h"
#include "ui/form_window_win.h"
#include "ui/gdi_object_win.h"
#include "ui/locator_map_rules.h"
#include "ui/registry_store_win.h"

class TfmLocList : public LocatorMapView {
 public:
  ~TfmLocList() override;

  // Creates the map for a statistics window: reads its worked fields, and reads and sets its
  // stored "CurrentBand". Sets fmLocList, restores the map's placement, runs FormShow and shows
  // the window. An error in a window event is shown in a message box.
  static TfmLocList* Create(const WorkedFieldList& workedFields, TFormStorage& mainStorage);

  HWND Handle() const;
  void SelectBand(int index) override;
  // Destroys the window at once (its statistics window is going); saves its placement first.
  void DestroyWithOwner();

 private:
  friend class FormWindow<TfmLocList>;

  TfmLocList(const WorkedFieldList& workedFields, TFormStorage& mainStorage);
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
  HWND CreateBandButton(const BandButton& button);
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

  const WorkedFieldList& workedFields_;
  TFormStorage& mainStorage_;  // the statistics window's: "CurrentBand"
  RegistryStore settings_;
  TFormStorage FormStorage1;

  HWND handle_ = nullptr;
  HWND Panel2 = nullptr;
  HWND LV1 = nullptr;
  std::array<HWND, BandButtons.size()> bandButtons_{};  // in child order, as BandButtons
  int downTag_ = DefaultDownTag;
  HWND hotButton_ = nullptr;  // the band button under the mouse
  std::vector<std::string> captions_;
  std::string BandPrefix;

  Font font_;
  Font underlinedFont_;
  GdiObject<HBRUSH> downPattern_;
};

// The one map window, or nullptr; cleared whenever the map window goes.
extern TfmLocList* fmLocList;
