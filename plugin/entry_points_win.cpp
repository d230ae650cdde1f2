// The six entry points the host finds by name, and the library's load and unload. Each entry point
// is thin: it takes the host's record into CurrentData, finds the statistics window and hands the
// QSO to it. A null pointer that would be read makes the call count as none; one that would not
// be read (_Run's record while the window is open, _GrabNumber's number) is no fault.
#include <windows.h>

#include <cstdint>

#include "plugin/host_error_win.h"
#include "scoring/contest_data.h"
#include "ui/application_win.h"
#include "ui/main_form_win.h"

namespace {
// What the plug-in keeps between the host's calls, besides its window.
struct PluginSession {
  // The last record received: the window reads the host's fields from it as it then stands.
  TContestData CurrentData{};
  // The application window handle as the last _Run found it; _Release assigns it back.
  HWND SavedAppHandle = nullptr;
};
PluginSession Session;

// The record is read when the window is created, or when a close of the window waits: without
// one that counts as no call. The host asks for a window, so one whose close is pending is kept
// for the same log, or a new one is made on the record.
HWND RunWindow(const TContestData* data) {
  if (fmMainForm != nullptr) {
    fmMainForm->AnswerRun(data);
  }
  if (fmMainForm == nullptr && data == nullptr) {
    return nullptr;
  }
  Session.SavedAppHandle = Application.Handle();
  if (fmMainForm == nullptr) {
    Session.CurrentData = *data;
    fmMainForm = TfmMainForm::Create(Session.CurrentData);
  }
  // Read before showing: the show may run events that end the window.
  const HWND window = fmMainForm->Handle();
  ShowAndBringToFront(window);
  return window;
}

std::int32_t AddQSOToWindow(const TContestData& data) {
  Session.CurrentData = data;
  return fmMainForm != nullptr ? fmMainForm->AddQSO(QsoOf(Session.CurrentData)) : 0;
}

std::int32_t ScoreWithWindow(const TContestData& data) {
  Session.CurrentData = data;
  return fmMainForm != nullptr ? fmMainForm->GetScore(QsoOf(Session.CurrentData)) : 0;
}

void ReleaseWindow() {
  Application.SetHandle(Session.SavedAppHandle);
  if (fmMainForm != nullptr) {
    // The host may end before its message loop gets to the request.
    fmMainForm->SaveSettingsAheadOfDestroy();
    Application.PostRelease(fmMainForm->Handle());
  }
  fmMainForm = nullptr;
}
}  // namespace

extern "C" {

// The unload runs under the loader lock, so it does only what needs no other thread and no
// library not yet loaded. At FreeLibrary (reserved is null) it destroys the windows still open,
// on the host's GUI thread that made them (a window left behind would call into unmapped code at
// its next message), and unregisters their classes. That destruction writes the windows' settings
// to the registry and deletes their GDI objects, both through libraries loaded with this one. It
// makes no COM or ODBC call: the distance component and an open statement of the log are given
// up, not released, since a release may wait on another apartment or on the driver. It shows no
// error: a message box would run a message loop here. When the process ends (reserved is not
// null) it does nothing: the windows go with the process.
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
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
  if (!RunForHost([&] { window = RunWindow(data); })) {
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
  if (data == nullptr) {
    return;
  }
  Session.CurrentData = *data;
  // Writing the empty text sets the length byte only.
  if (number != nullptr) {
    RunForHost([&] { number->Write(TfmMainForm::ReceivedNumber()); });
  }
}

void __stdcall Release() {
  RunForHost([] { ReleaseWindow(); });  // nothing of a release reaches the host
}

}  // extern "C"
