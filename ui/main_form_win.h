// The statistics window TfmMainForm: a small, sizeable, always-on-top frame whose memo shows the
// report, above a strip with the buttons "Recalc Statistic" and "Loc". The window object holds all
// scoring state; the window owns the object from its first message on and deletes it with its
// last, so the state lives exactly as long as the window.
//
// The close commands of the title bar, the system menu and Alt+F4 only minimise it; a close
// message sent to it closes it: the scoring state is torn down, the settings are saved, a release
// request is posted and the window hides until the request destroys it. A release request that
// arrives while one of its handlers runs (a rebuild's message points, a message box's own loop)
// waits until the outermost handler has returned, and a close that arrives during a rebuild is
// carried out when the rebuild has returned (a _Run for another log finishes it at once, but the
// state still waits for the rebuild's end): no handler ever runs on a destroyed window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "scoring/contest_data.h"
#include "scoring/log_rebuild.h"
#include "scoring/recalc_host.h"
#include "scoring/scoring_state.h"
#include "ui/form_storage.h"
#include "ui/form_window_win.h"
#include "ui/gdi_object_win.h"
#include "ui/memo_win.h"
#include "ui/panel_win.h"
#include "ui/picture_button_win.h"
#include "ui/registry_store_win.h"

class TfmLocList;

class TfmMainForm : private RecalcHost {
 public:
  ~TfmMainForm();

  // Builds the window on the host's last record (the plug-in's CurrentData, which the window reads
  // as it then stands whenever it needs a field of the host), sets the caption and runs FormCreate,
  // whose error is shown in a message box. Throws when the window cannot be built.
  static TfmMainForm* Create(const TContestData& lastRecord);

  HWND Handle() const { return handle_; }

  // _AddQSO: records the QSO, moves an open map to its band and rewrites the report (a duplicate's
  // too); -1 for a duplicate, else the points. A failed scoring throws and rewrites nothing.
  std::int32_t AddQSO(const Qso& qso);
  // _GetScore: what the QSO would bring, the bonus of a new field included; -1 for a duplicate.
  std::int32_t GetScore(const Qso& qso);

  // For _Release, whose request destroys the window only when the host's message loop gets to it:
  // writes now what the destruction will save, for this window and its map, so the registry holds
  // the same whether the host goes on or ends at once.
  void SaveSettingsAheadOfDestroy() noexcept;

  // For _Run, which asks for a window on the log of `record` (nullptr: on any log). A close that
  // waits for the running rebuild is called off when the record is of this window's log, as
  // SameLog says of it and of both the record the window was made from and the one it reads now.
  // For another log the close is finished now, and the rebuild runs to its end on the record it
  // had, as the close would have waited for it. One whose teardown is done already is finished
  // now. A finished window is no longer fmMainForm.
  void AnswerRun(const TContestData* record);

  // The number the host may grab: always the empty text, with or without a window.
  static std::string ReceivedNumber() { return {}; }

 private:
  friend class FormWindow<TfmMainForm>;

  // The log query takes the connection of the record the window is created with.
  explicit TfmMainForm(const TContestData& lastRecord);
  TfmMainForm(const TfmMainForm&) = delete;
  TfmMainForm& operator=(const TfmMainForm&) = delete;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  LRESULT OnSize(WPARAM wParam);
  LRESULT OnShowWindow(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnWindowPosChanging(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam);
  LRESULT OnDrawItem(LPARAM lParam);
  LRESULT OnClose();
  LRESULT OnDestroy();
  LRESULT OnRelease();
  LRESULT OnEndSession(WPARAM ending);
  LRESULT HandleSysCommand(UINT message, WPARAM wParam, LPARAM lParam);

  void AbandonForeignObjects() noexcept;
  void CreateControls();
  void Layout();
  void SetCaption();
  // Runs a window event; its error is shown in a message box.
  template <typename Event>
  void RunEvent(Event&& event);

  void FormCreate();
  void FormShow();
  void FormCloseQuery();
  void FormClose();
  void OpenLocatorMap();
  void ExecuteRecalcStatistic();
  // The close path after the close query: save, release request, hide.
  void FinishClose();
  bool ShowsLogOf(const TContestData& record) const;
  // Reads from now on a copy of the record as it stands, which the host's next records leave alone.
  void KeepOwnRecord();

  // RecalcHost: what a rebuild needs of the window.
  void ProcessMessages() override;
  void SetActionEnabled(bool enabled) override;
  std::string LogTable() override;
  std::string OwnLocator() override;
  void ShowStatistic() override;
  void ClearStatistic() override;
  void SelectMapBand(int index) override;

  HWND handle_ = nullptr;
  Font font_;  // the window's design font
  RegistryStore settingsStore_;
  FormStorage formStorage_;
  Panel buttonStrip_;
  PictureButton recalcButton_;
  Memo reportMemo_;
  PictureButton locButton_;
  const TContestData madeFrom_;     // the record the window was made from
  const TContestData* lastRecord_;  // the host's last record (CurrentData), or the window's copy
  std::unique_ptr<const TContestData> ownRecord_;  // that copy, once the window keeps its own
  ScoringState scoring_;
  LogRebuild rebuild_;
  TfmLocList* locatorMap_ = nullptr;  // the open map (fmLocList), or nullptr
  int designedClientWidth_ = 0;       // the buttons keep their distance to the right edge from it
  bool shown_ = false;                // FormShow runs at the first show only
  bool closed_ = false;               // the close path has run; the window awaits its destruction
  int handlersRunning_ = 0;           // messages of this window being handled, nested ones included
  bool releasePending_ = false;       // a release request arrived while a handler ran
};

// The one statistics window, or nullptr.
extern TfmMainForm* fmMainForm;
