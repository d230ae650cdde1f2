#include "host/button_click_win.h"

#include <windows.h>

#include <stdexcept>

#include "host/own_windows_win.h"

namespace {
HWND FindButton(const std::string& caption) {
  for (HWND window : OwnWindows()) {
    if (!IsWindowVisible(window)) {
      continue;
    }
    for (HWND button : Descendants(window, "Button")) {
      if (IsWindowVisible(button) && WindowText(button) == caption) {
        return button;
      }
    }
  }
  return nullptr;
}
}  // namespace

void ClickButton(const std::string& caption) {
  const HWND button = FindButton(caption);
  if (button == nullptr) {
    throw std::runtime_error("no button '" + caption + "'");
  }
  SendMessageW(button, BM_CLICK, 0, 0);
}
