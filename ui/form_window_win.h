// The tie between a window and the form object it owns. The object is handed to the window at
// WM_NCCREATE (the creation parameter points to a std::unique_ptr<Form>), receives every message
// through Form::HandleMessage, and is deleted at WM_NCDESTROY; so the object lives exactly as long
// as its window. A form makes this its friend and registers FormWindow<Form>::Proc.
#pragma once

#include <windows.h>

#include <memory>

#include "ui/application_win.h"

template <typename Form>
class FormWindow {
 public:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE &&
        !Attach(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam))) {
      return FALSE;
    }
    Form* form = Of(window);
    if (form == nullptr) {
      return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
      Detach(window, form);
      return DefWindowProcA(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
  }

  // The object the window holds, or nullptr once the window has gone.
  static Form* Of(HWND window) {
    if (!IsWindow(window)) {
      return nullptr;
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }

 private:
  // False when the window cannot take the object: the creation then fails and the caller of
  // CreateWindowEx still owns it.
  static bool Attach(HWND window, const CREATESTRUCTA& creation) {
    try {
      Application.AddWindow(window);
    } catch (...) {
      return false;  // out of memory
    }
    auto* owner = static_cast<std::unique_ptr<Form>*>(creation.lpCreateParams);
    Form* form = owner->release();
    form->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    return true;
  }

  static void Detach(HWND window, Form* form) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    Application.RemoveWindow(window);
    delete form;
  }
};

// A window class of the plug-in's forms: arrow cursor, button-face background.
inline WNDCLASSEXA FormWindowClass(const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return windowClass;
}
