// The six entry points the host finds by name, and the library's load and unload. Each entry point
// is thin: it takes the host's record into CurrentData, finds the statistics window and hands the
// work to it. A null record or info pointer counts as no call at all.
#include <windows.h>

#include <cstdint>

#include "plugin/contest_data.h"
#include "plugin/host_error_win.h"
#include "ui/application_win.h"
#include "ui/main_form_win.h"

namespace {
// The application window handle as the last _Run found it; _Release assigns it back.
HWND SavedAppHandle = nullptr;

HWND RunWindow(const TContestData& data) {
  SavedAppHandle = Application.Handle();
  if (fmMainForm == nullptr) {
    fmMainForm = TfmMainForm::Create(data);
  }
  // Read before showing: the show may run events that end the window.
  const HWND window = fmMainForm->Handle();
  ShowAndBringToFront(window);
  return window;
}

std::int32_t AddQSOToWindow(const TContestData& data) {
  CurrentData = data;
  if (fmMainForm == nullptr) {
    return 0;
  }
  MainFormScoring& scoring = fmMainForm->Scoring();
  const std::int32_t result = scoring.ScoreQSO(true);
  scoring.ShowStatistic();  // a duplicate rewrites the report as well
  return result;
}

std::int32_t ScoreWithWindow(const TContestData& data) {
  CurrentData = data;
  if (fmMainForm == nullptr) {
    return 0;
  }
  return fmMainForm->Scoring().ScoreQSO(false);
}

void ReleaseWindow() {
  Application.SetHandle(SavedAppHandle);
  if (fmMainForm != nullptr) {
    Application.PostRelease(fmMainForm->Handle());
  }
  fmMainForm = nullptr;
}
}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // Only at FreeLibrary: when the process ends, its windows go with it.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    Application.Shutdown();
  }
  return TRUE;
}

void __stdcall GetInfo(TPluginInfo* info) {
  if (info != nullptr) {
    FillPluginInfo(*info);
  }
}

HWND __stdcall Run(std::uint32_t /*unused*/, const TContestData* data) {
  HWND window = nullptr;
  if (data != nullptr && !RunForHost([&] { window = RunWindow(*data); })) {
    RaiseHostError();
  }
  return window;
}

std::int32_t __stdcall AddQSO(const TContestData* data) {
  std::int32_t result = 0;
  if (data != nullptr && !RunForHost([&] { result = AddQSOToWindow(*data); })) {
    RaiseHostError();
  }
  return result;
}

std::int32_t __stdcall GetScore(const TContestData* data) {
  std::int32_t result = 0;
  if (data != nullptr && !RunForHost([&] { result = ScoreWithWindow(*data); })) {
    RaiseHostError();
  }
  return result;
}

void __stdcall GrabNumber(const TContestData* data, ShortString* number) {
  if (data == nullptr || number == nullptr) {
    return;
  }
  CurrentData = *data;
  // Writing the empty text sets the length byte only.
  RunForHost([&] { number->Write(TfmMainForm::ReceivedNumber()); });
}

void __stdcall Release() {
  RunForHost([] { ReleaseWindow(); });  // nothing of a release reaches the host
}

}  // extern "C"
