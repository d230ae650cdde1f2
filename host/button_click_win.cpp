#include "host/button_click_win.h"

#include <windows.h>

#include <stdexcept>

namespace {
struct ButtonSearch {
  std::string caption;
  HWND found = nullptr;
};

std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

BOOL CALLBACK FindButton(HWND child, LPARAM search) {
  auto& find = *reinterpret_cast<ButtonSearch*>(search);
  char name[16] = "";
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child) && TextOf(child) == find.caption) {
    find.found = child;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK SearchWindow(HWND window, LPARAM search) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
    EnumChildWindows(window, FindButton, search);
  }
  return reinterpret_cast<ButtonSearch*>(search)->found == nullptr;
}
}  // namespace

void ClickButton(const std::string& caption) {
  ButtonSearch search{caption};
  EnumWindows(SearchWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    throw std::runtime_error("no button '" + caption + "'");
  }
  SendMessageW(search.found, BM_CLICK, 0, 0);
}
