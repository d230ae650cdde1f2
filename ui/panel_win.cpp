#include "ui/panel_win.h"

#include <stdexcept>

#include "ui/application_win.h"

namespace {
constexpr char kClassName[] = "TPanel";
}  // namespace

void Panel::Create(HWND parent, const RECT& bounds) {
  WNDCLASSEXA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  Application.RegisterWindowClass(windowClass);
  handle_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds.left,
                            bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                            parent, nullptr, LibraryInstance(), nullptr);
  if (handle_ == nullptr) {
    throw std::runtime_error("Cannot create the button strip");
  }
}

void Panel::SetBounds(const RECT& bounds) {
  MoveWindow(handle_, bounds.left, bounds.top, bounds.right - bounds.left,
             bounds.bottom - bounds.top, TRUE);
}

LRESULT CALLBACK Panel::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
      return SendMessageA(GetParent(window), message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
