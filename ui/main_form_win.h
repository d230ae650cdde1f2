// The statistics window TfmMainForm: a small, sizeable, always-on-top frame whose memo shows the
// report. The window object holds all scoring state; the window owns the object from its first
// message on and deletes it with its last, so the state lives exactly as long as the window.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/contest_data.h"
#include "scoring/main_form_scoring.h"
#include "ui/form_storage.h"
#include "ui/loc_list_win.h"
#include "ui/memo_win.h"
#include "ui/registry_store_win.h"

class TfmMainForm {
 public:
  // Builds the window, takes the host's record into CurrentData, sets the caption and runs
  // FormCreate, whose error is shown in a message box. Throws when the window cannot be built.
  static TfmMainForm* Create(const TContestData& data);

  HWND Handle() const { return handle_; }
  MainFormScoring& Scoring() { return scoring_; }

  // The number the host may grab: always the empty text, with or without a window.
  static std::string ReceivedNumber() { return {}; }

 private:
  TfmMainForm() = default;
  TfmMainForm(const TfmMainForm&) = delete;
  TfmMainForm& operator=(const TfmMainForm&) = delete;

  static void RegisterWindowClass();
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Hands the object to the window; false when the window cannot take it.
  static bool Attach(HWND window, const CREATESTRUCTA& creation);
  static void Detach(TfmMainForm* form);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnSize();
  LRESULT OnShowWindow(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnRelease();
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy();

  void SetCaption();
  void FormCreate();
  void FormShow();
  void BitBtn2Click();

  HWND handle_ = nullptr;
  TMemo myStatisticM;
  HWND BitBtn2 = nullptr;  // "Loc"
  RegistryStore settings_;
  TFormStorage FormStorage1{settings_, HostExecutableBaseName(), MainFormStorageOptions};
  MainFormScoring scoring_{CurrentData, myStatisticM,
                           []() -> LocatorMapView* { return fmLocList; }};
  bool shown_ = false;  // FormShow runs at the first show only
};

// The one statistics window, or nullptr.
extern TfmMainForm* fmMainForm;
