#include "testing/plugin_fixture_win.h"

#include <cstring>

TContestData HostRecord() {
  TContestData data;
  std::memset(&data, 0x5A, sizeof data);
  data.Connection = 0;
  data.TitleText.Write("Field Day");
  data.OwnLocator.Write("JO31");
  return data;
}

TContestData QsoRecord(const std::string& call, const std::string& band, const std::string& mode,
                       const std::string& report, const std::string& probe) {
  TContestData data = HostRecord();
  data.CallSign.Write(call);
  data.DigiBand.Write(band);
  data.QSOMode.Write(mode);
  data.QSOReportRecived.Write(report);
  data.ProbeLocator.Write(probe);
  return data;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), text.size())));
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

namespace {
struct WindowCount {
  std::string className;
  int count;
};

BOOL CALLBACK CountWindow(HWND window, LPARAM found) {
  auto& windows = *reinterpret_cast<WindowCount*>(found);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && ClassName(window) == windows.className) {
    ++windows.count;
  }
  return TRUE;
}

HWND Memo(HWND statisticsWindow) {
  return FindWindowExA(statisticsWindow, nullptr, "Edit", nullptr);
}
}  // namespace

int CountOwnWindows(const std::string& className) {
  WindowCount windows{className, 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&windows));
  return windows.count;
}

std::string MemoText(HWND statisticsWindow) {
  const HWND memo = Memo(statisticsWindow);
  const auto length = SendMessageA(memo, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(memo, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void SetMemoText(HWND statisticsWindow, const std::string& text) {
  SendMessageA(Memo(statisticsWindow), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
