#include "testing/plugin_fixture_win.h"

#include <cstring>

TContestData HostRecord() {
  TContestData data;
  std::memset(&data, 0x5A, sizeof data);
  data.Connection = 0;
  data.TitleText.Write("Field Day");
  data.LogTable.Write(TestLog::kTable);
  data.OwnLocator.Write("JO31");
  return data;
}

TContestData HostTest::HostRecord() const {
  TContestData data = ::HostRecord();
  data.Connection = log.Connection();
  data.LogTable.Write(TestLog::kTable);
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

namespace {
HWND Memo(HWND statisticsWindow) {
  return FindWindowExA(statisticsWindow, nullptr, "Edit", nullptr);
}
}  // namespace

int CountOwnWindows(const std::string& className) {
  return static_cast<int>(OwnWindowsOfClass(className).size());
}

HWND FindOwnWindow(const std::string& className) {
  const std::vector<HWND> windows = OwnWindowsOfClass(className);
  return windows.empty() ? nullptr : windows.front();
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
  for (HWND child : Descendants(parent, className)) {
    if (WindowText(child) == text) {
      return child;
    }
  }
  return nullptr;
}

void Click(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
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

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
