// The tie between a window and the form object it owns, and the one creation sequence of the
// plug-in's forms. The object is handed to the window at WM_NCCREATE (the creation parameter
// points to a std::unique_ptr<Form>), receives every message through Form::HandleMessage, and is
// deleted at WM_NCDESTROY; so the object lives exactly as long as its window. A form makes this
// its friend and creates its window with FormWindow<Form>::Create.
#pragma once

#include <windows.h>

#include <memory>
#include <stdexcept>

#include "ui/application_win.h"
#include "ui/visual_styles_win.h"

// Both forms' frames: sizeable, a minimise box but none to maximise, always on top.
inline constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr DWORD kFormExStyle = WS_EX_TOPMOST;

// A form's window as designed: its class, its caption and its frame (outer size), in pixels.
struct FormDesign {
  const char* className;
  const char* caption;
  int left;
  int top;
  int width;
  int height;
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

template <typename Form>
class FormWindow {
 public:
  // Registers the form's window class, once, and creates its window as designed, owned by the
  // application window. The window takes `form` over at its first message; a creation that fails
  // deletes it and throws std::runtime_error with `failure`.
  static HWND Create(std::unique_ptr<Form> form, const FormDesign& design, const char* failure) {
    Application.RegisterWindowClass(FormWindowClass(design.className, Proc));
    const HWND window = CreateWindowWithVisualStyles(
        kFormExStyle, design.className, design.caption, kFormStyle, design.left, design.top,
        design.width, design.height, Application.Handle(), nullptr, LibraryInstance(), &form);
    if (window == nullptr) {
      throw std::runtime_error(failure);
    }
    return window;
  }

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
