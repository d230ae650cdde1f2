#include "host/message_box_watch_win.h"

#include <string>
#include <vector>

#include "host/own_windows_win.h"
#include "host/text_win.h"
#include "host/transcript.h"

namespace {

constexpr DWORD kPollMilliseconds = 50;

std::wstring TextOf(HWND window) {
  wchar_t text[2048] = {};
  GetWindowTextW(window, text, 2048);
  return text;
}

std::string OneLine(std::wstring text) {
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r') {
      continue;
    }
    line += (c == L'\n') ? L' ' : c;
  }
  return Utf8(line);
}

HWND FirstButton(HWND box) {
  const std::vector<HWND> buttons = Descendants(box, "Button");
  return buttons.empty() ? nullptr : buttons.front();
}

void Dismiss(HWND box) {
  const HWND message = MessageTextControl(box);
  PrintLine("message box: " + OneLine(TextOf(box)) + ": " +
            OneLine(message != nullptr ? TextOf(message) : L""));
  const HWND button = FirstButton(box);
  const int command = button != nullptr ? GetDlgCtrlID(button) : IDCANCEL;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

DWORD WINAPI Watch(void* stop) {
  HWND dismissed = nullptr;  // the box just answered may still exist on the next look
  while (WaitForSingleObject(stop, kPollMilliseconds) == WAIT_TIMEOUT) {
    const HWND box = VisibleOwnDialog();
    if (box != nullptr && box != dismissed) {
      Dismiss(box);
      dismissed = box;
    }
  }
  return 0;
}

}  // namespace

MessageBoxWatch::MessageBoxWatch()
    : stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, Watch, stop_, 0, nullptr)) {}

MessageBoxWatch::~MessageBoxWatch() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
}
