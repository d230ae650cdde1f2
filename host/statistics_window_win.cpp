#include "host/statistics_window_win.h"

#include <cstdio>
#include <stdexcept>

#include "host/text_win.h"

namespace {

BOOL CALLBACK KeepFirstEdit(HWND child, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (lstrcmpiW(name, L"Edit") != 0) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

std::wstring WindowText(HWND window) {
  const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::string WithoutCarriageReturns(const std::string& text) {
  std::string lines;
  for (char c : text) {
    if (c != '\r') {
      lines += c;
    }
  }
  return lines;
}

}  // namespace

std::string HandleText(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lx",
                static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
  return text;
}

std::string DescribeWindow(HWND window) {
  if (window == nullptr || !IsWindow(window)) {
    return "no window";
  }
  const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  return "window " + HandleText(window) + (IsWindowVisible(window) ? " visible" : " hidden") +
         (IsIconic(window) ? " minimised" : " normal") + (topmost ? " topmost" : "") +
         " caption '" + Utf8(WindowText(window)) + "'";
}

std::string ReadReport(HWND window) {
  if (window == nullptr || !IsWindow(window)) {
    throw std::runtime_error("no statistics window");
  }
  HWND edit = nullptr;
  EnumChildWindows(window, KeepFirstEdit, reinterpret_cast<LPARAM>(&edit));
  if (edit == nullptr) {
    throw std::runtime_error("the statistics window has no edit control");
  }
  return WithoutCarriageReturns(Utf8(WindowText(edit)));
}
