// A plain strip that holds controls, without bevels, in the button face's colour. It
// passes its controls' notifications and drawing requests on to the window it sits in.
#pragma once

#include <windows.h>

class Panel {
 public:
  // Bounds are left, top, right, bottom in the parent's client area.
  void Create(HWND parent, const RECT& bounds);
  void SetBounds(const RECT& bounds);
  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
};
