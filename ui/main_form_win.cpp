#include "ui/main_form_win.h"

#include <algorithm>
#include <memory>
#include <new>
#include <utility>

#include "distance/co_calc_dist_win.h"
#include "io/host_case_fold_win.h"
#include "io/odbc_log_query.h"
#include "ui/application_win.h"
#include "ui/calculator_glyph_win.h"
#include "ui/form_placement_win.h"
#include "ui/form_window_win.h"
#include "ui/loc_list_win.h"

TfmMainForm* fmMainForm = nullptr;

namespace {
constexpr char kDesignedCaption[] = "Marovinta";
constexpr FormDesign kDesign = {"TfmMainForm", kDesignedCaption, 579, 167, 374, 196};

// The button strip at the bottom; the memo takes the rest.
constexpr int kButtonStripHeight = 23;

// A button of the strip at its designed place; both keep their distance to the right edge.
struct ButtonDesign {
  int id;
  const char* caption;
  int left;
  int top;
  int width;
  int height;
};
constexpr ButtonDesign kRecalcButton = {1, "Recalc Statistic", 153, 1, 130, 22};
constexpr ButtonDesign kLocButton = {2, "Loc", 292, 1, 75, 22};

// The system's close command exactly: the low four bits, which the system uses internally, are
// not masked, so any other code reaches the default handling.
constexpr WPARAM kCloseCommand = 0xF060;

RECT DesignedBounds(const ButtonDesign& button) {
  return {button.left, button.top, button.left + button.width, button.top + button.height};
}
}  // namespace

TfmMainForm::TfmMainForm(const TContestData& lastRecord)
    : formStorage_(settingsStore_, HostExecutableBaseName(), kMainFormStorageOptions),
      madeFrom_(lastRecord),
      lastRecord_(&lastRecord),
      scoring_(HostCaseFold()),
      rebuild_(scoring_, *this,
               std::make_unique<OdbcLogQuery>(HostConnection(lastRecord.Connection))) {}

TfmMainForm* TfmMainForm::Create(const TContestData& lastRecord) {
  auto form = std::unique_ptr<TfmMainForm>(new TfmMainForm(lastRecord));
  TfmMainForm* created = form.get();
  FormWindow<TfmMainForm>::Create(std::move(form), kDesign, "Cannot create the statistics window");
  created->SetCaption();
  created->FormCreate();
  return created;
}

TfmMainForm::~TfmMainForm() {
  if (Application.Unloading()) {
    AbandonForeignObjects();
  }
  // A window released by _Release may go after a new one has taken its place.
  if (fmMainForm == this) {
    fmMainForm = nullptr;
  }
}

// Under the loader lock, the distance component and the log's statement are left to COM and to the
// host's connection: releasing them could wait on another apartment or on the driver.
void TfmMainForm::AbandonForeignObjects() noexcept {
  static_cast<void>(new (std::nothrow)
                        std::shared_ptr<DistanceComponent>(std::move(scoring_.CalcDist)));
  rebuild_.AbandonQuery();
}

template <typename Event>
void TfmMainForm::RunEvent(Event&& event) {
  Application.RunEvent(handle_, std::forward<Event>(event));
}

LRESULT TfmMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  ++handlersRunning_;
  const LRESULT result = Dispatch(message, wParam, lParam);
  // Still counted as running, so that the close's own message box defers a release too.
  if (handlersRunning_ == 1 && rebuild_.TakeDeferredClose()) {
    FinishClose();
  }
  --handlersRunning_;
  if (handlersRunning_ == 0 && releasePending_) {
    releasePending_ = false;
    DestroyWindow(handle_);  // deletes this object
  }
  return result;
}

LRESULT TfmMainForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_SIZE:
      return OnSize(wParam);
    case WM_SHOWWINDOW:
      return OnShowWindow(message, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
      return OnWindowPosChanging(message, wParam, lParam);
    case WM_COMMAND:
      return OnCommand(wParam);
    case WM_DRAWITEM:
      return OnDrawItem(lParam);
    case WM_SYSCOMMAND:
      return HandleSysCommand(message, wParam, lParam);
    case WM_CLOSE:
      return OnClose();
    case WM_DESTROY:
      return OnDestroy();
    case kReleaseMessage:
      return OnRelease();
    case WM_ENDSESSION:
      return OnEndSession(wParam);
    default:
      return DefWindowProcA(handle_, message, wParam, lParam);
  }
}

LRESULT TfmMainForm::OnCreate() {
  try {
    CreateControls();
    return 0;
  } catch (...) {
    return -1;  // the creation fails and is reported to the caller of Create
  }
}

void TfmMainForm::CreateControls() {
  RECT client;
  GetClientRect(handle_, &client);
  designedClientWidth_ = client.right;
  font_ = DesignFont(DEFAULT_CHARSET);
  reportMemo_.Create(handle_);
  buttonStrip_.Create(handle_,
                      {0, client.bottom - kButtonStripHeight, client.right, client.bottom});
  recalcButton_.Create(buttonStrip_.Handle(), kRecalcButton.id, kRecalcButton.caption,
                       DesignedBounds(kRecalcButton), font_.Get());
  recalcButton_.SetGlyph(CalculatorGlyph());
  locButton_.Create(buttonStrip_.Handle(), kLocButton.id, kLocButton.caption,
                    DesignedBounds(kLocButton), font_.Get());
  Layout();
}

LRESULT TfmMainForm::OnSize(WPARAM wParam) {
  if (wParam != SIZE_MINIMIZED) {
    Layout();
  }
  return 0;
}

void TfmMainForm::Layout() {
  RECT client;
  GetClientRect(handle_, &client);
  const int stripTop = std::max(0L, client.bottom - kButtonStripHeight);
  reportMemo_.SetBounds({0, 0, client.right, stripTop});
  buttonStrip_.SetBounds({0, stripTop, client.right, client.bottom});
  const int shift = client.right - designedClientWidth_;
  recalcButton_.MoveTo(kRecalcButton.left + shift, kRecalcButton.top);
  locButton_.MoveTo(kLocButton.left + shift, kLocButton.top);
}

// The settings come back as the window becomes visible, before its show handler runs.
LRESULT TfmMainForm::OnShowWindow(UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam != FALSE && !shown_) {
    shown_ = true;
    RunEvent([this] { RestoreFormSettings(formStorage_, handle_); });
    RunEvent([this] { FormShow(); });
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}

// A closed window stays hidden until it is destroyed, whoever asks to show it.
LRESULT TfmMainForm::OnWindowPosChanging(UINT message, WPARAM wParam, LPARAM lParam) {
  if (closed_) {
    reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT TfmMainForm::OnCommand(WPARAM wParam) {
  // An owner-drawn button reports a quick second press as a double click.
  const WORD code = HIWORD(wParam);
  if (code != BN_CLICKED && code != BN_DOUBLECLICKED) {
    return 0;
  }
  switch (LOWORD(wParam)) {
    case kRecalcButton.id:
      RunEvent([this] { ExecuteRecalcStatistic(); });
      break;
    case kLocButton.id:
      RunEvent([this] { OpenLocatorMap(); });
      break;
    default:
      break;
  }
  return 0;
}

LRESULT TfmMainForm::OnDrawItem(LPARAM lParam) {
  const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item.hwndItem == recalcButton_.Handle()) {
    recalcButton_.Draw(item);
  } else if (item.hwndItem == locButton_.Handle()) {
    locButton_.Draw(item);
  }
  return TRUE;
}

LRESULT TfmMainForm::HandleSysCommand(UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam != kCloseCommand) {
    return DefWindowProcA(handle_, message, wParam, lParam);
  }
  ShowWindow(handle_, SW_SHOW);
  ShowWindow(handle_, SW_MINIMIZE);
  return 0;
}

// Only a real close tears the state down: a close query the system makes at the end of a session
// (WM_QUERYENDSESSION) is not followed by a close for sure, and the plug-in must go on working.
LRESULT TfmMainForm::OnClose() {
  if (closed_) {
    return 0;
  }
  FormCloseQuery();
  if (!rebuild_.Rebuilding()) {
    FinishClose();
  }
  return 0;
}

void TfmMainForm::FinishClose() {
  if (closed_) {
    return;
  }
  closed_ = true;
  RunEvent([this] { SaveFormSettingsOnClose(formStorage_, handle_); });
  FormClose();
  ShowWindow(handle_, SW_HIDE);
}

void TfmMainForm::AnswerRun(const TContestData* record) {
  if (record == nullptr || ShowsLogOf(*record)) {
    rebuild_.CancelTearDown();
  } else if (rebuild_.TearDownWaiting()) {
    KeepOwnRecord();  // the new window's record must not redirect the rebuild
    FinishClose();
  }
  if (rebuild_.TakeDeferredClose()) {
    FinishClose();
  }
}

bool TfmMainForm::ShowsLogOf(const TContestData& record) const {
  return SameLog(record, madeFrom_) && SameLog(record, *lastRecord_);
}

void TfmMainForm::KeepOwnRecord() {
  ownRecord_ = std::make_unique<const TContestData>(*lastRecord_);
  lastRecord_ = ownRecord_.get();
}

LRESULT TfmMainForm::OnDestroy() {
  if (locatorMap_ != nullptr) {
    locatorMap_->DestroyWithOwner();
  }
  RunEvent([this] { SaveFormSettingsOnDestroy(formStorage_, handle_); });
  return 0;
}

// The process may end without destroying the windows.
LRESULT TfmMainForm::OnEndSession(WPARAM ending) {
  if (ending) {
    SaveSettingsAheadOfDestroy();
  }
  return 0;
}

void TfmMainForm::SaveSettingsAheadOfDestroy() noexcept {
  SaveFormSettingsAheadOfDestroy(formStorage_, handle_);
  if (locatorMap_ != nullptr) {
    locatorMap_->SaveSettingsAheadOfDestroy();
  }
}

LRESULT TfmMainForm::OnRelease() {
  releasePending_ = true;  // carried out as the outermost handler returns
  return 0;
}

std::int32_t TfmMainForm::AddQSO(const Qso& qso) {
  const QsoResult result = scoring_.ScoreQSO(qso, OwnLocator(), ScoreMode::Record);
  if (!result.duplicate) {
    rebuild_.FollowBand(qso.band);
  }
  ShowStatistic();
  return RecordAnswer(result);
}

std::int32_t TfmMainForm::GetScore(const Qso& qso) {
  return ProbeAnswer(scoring_.ScoreQSO(qso, OwnLocator(), ScoreMode::Probe));
}

void TfmMainForm::SetCaption() {
  const std::string caption = lastRecord_->TitleText.Read() + " in " + kDesignedCaption;
  SetWindowTextA(handle_, caption.c_str());
}

void TfmMainForm::FormCreate() {
  RunEvent([this] {
    scoring_.CreateDistanceComponent(CreateCalcDistOverCom, lastRecord_->OwnLocator.Read());
  });
}

void TfmMainForm::FormShow() {
  ExecuteRecalcStatistic();
}

// Never refuses the close; a teardown asked for during a rebuild waits for its end.
void TfmMainForm::FormCloseQuery() {
  rebuild_.TearDown();
}

void TfmMainForm::FormClose() {
  Application.PostRelease(handle_);
  if (fmMainForm == this) {
    fmMainForm = nullptr;
  }
}

void TfmMainForm::OpenLocatorMap() {
  if (locatorMap_ == nullptr) {
    TfmLocList::Create(scoring_.WorkedFields, formStorage_, locatorMap_);
  }
}

void TfmMainForm::ExecuteRecalcStatistic() {
  rebuild_.Execute();
}

void TfmMainForm::ProcessMessages() {
  Application.ProcessMessages();
}

void TfmMainForm::SetActionEnabled(bool enabled) {
  recalcButton_.SetEnabled(enabled);
}

std::string TfmMainForm::LogTable() {
  return lastRecord_->LogTable.Read();
}

std::string TfmMainForm::OwnLocator() {
  return lastRecord_->OwnLocator.Read();
}

void TfmMainForm::ShowStatistic() {
  reportMemo_.SetText(scoring_.ReportText());
}

void TfmMainForm::ClearStatistic() {
  reportMemo_.SetText("");
}

void TfmMainForm::SelectMapBand(int index) {
  if (locatorMap_ != nullptr) {
    locatorMap_->SelectBand(index);
  }
}
