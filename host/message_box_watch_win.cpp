#include "host/message_box_watch_win.h"

#include <string>

#include "host/text_win.h"
#include "host/transcript.h"

namespace {

constexpr DWORD kPollMilliseconds = 50;

bool HasClass(HWND window, const wchar_t* name) {
  wchar_t actual[64] = {};
  GetClassNameW(window, actual, 64);
  return lstrcmpiW(actual, name) == 0;
}

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

struct BoxParts {
  std::wstring text;
  HWND firstButton = nullptr;
};

BOOL CALLBACK CollectPart(HWND child, LPARAM parts) {
  BoxParts& box = *reinterpret_cast<BoxParts*>(parts);
  if (HasClass(child, L"Static") && box.text.empty()) {
    box.text = TextOf(child);
  } else if (HasClass(child, L"Button") && box.firstButton == nullptr) {
    box.firstButton = child;
  }
  return TRUE;
}

void Dismiss(HWND box) {
  BoxParts parts;
  EnumChildWindows(box, CollectPart, reinterpret_cast<LPARAM>(&parts));
  PrintLine("message box: " + OneLine(TextOf(box)) + ": " + OneLine(parts.text));
  const int command = parts.firstButton != nullptr ? GetDlgCtrlID(parts.firstButton) : IDCANCEL;
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
               reinterpret_cast<LPARAM>(parts.firstButton));
}

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindOwnDialog(HWND window, LPARAM search) {
  Search& s = *reinterpret_cast<Search*>(search);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != s.process || !IsWindowVisible(window) || !HasClass(window, L"#32770")) {
    return TRUE;
  }
  s.found = window;
  return FALSE;
}

DWORD WINAPI Watch(void* stop) {
  HWND dismissed = nullptr;  // the box just answered may still exist on the next look
  while (WaitForSingleObject(stop, kPollMilliseconds) == WAIT_TIMEOUT) {
    Search search{GetCurrentProcessId(), nullptr};
    EnumWindows(FindOwnDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr && search.found != dismissed) {
      Dismiss(search.found);
      dismissed = search.found;
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
