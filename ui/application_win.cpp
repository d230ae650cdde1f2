#include "ui/application_win.h"

#include <algorithm>
#include <stdexcept>

extern "C" IMAGE_DOS_HEADER __ImageBase;

PluginApplication Application;

namespace {
constexpr char kErrorCaption[] = "Marovinta";
}  // namespace

HINSTANCE LibraryInstance() {
  return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

void ShowAndBringToFront(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void PluginApplication::RegisterWindowClass(WNDCLASSEXA windowClass) {
  const std::string name = windowClass.lpszClassName;
  if (std::find(classNames_.begin(), classNames_.end(), name) != classNames_.end()) {
    return;
  }
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = LibraryInstance();
  if (RegisterClassExA(&windowClass) == 0) {
    throw std::runtime_error("Cannot register the window class " + name);
  }
  classNames_.push_back(name);
}

void PluginApplication::AddWindow(HWND window) {
  windows_.push_back(window);
}

void PluginApplication::RemoveWindow(HWND window) {
  windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

void PluginApplication::PostRelease(HWND window) const {
  if (window != nullptr) {
    PostMessageA(window, kReleaseMessage, 0, 0);
  }
}

void PluginApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    // A Unicode window (the host's, say) takes its messages as Unicode, so typed text survives.
    const bool unicode = message.hwnd != nullptr && IsWindowUnicode(message.hwnd);
    const BOOL removed = unicode ? PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)
                                 : PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
    if (!removed) {
      return;
    }
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    if (unicode) {
      DispatchMessageW(&message);
    } else {
      DispatchMessageA(&message);
    }
  }
}

void PluginApplication::Shutdown() noexcept {
  unloading_ = true;
  // Each destruction removes its window from the list (and may take owned windows with it).
  while (!windows_.empty()) {
    const HWND window = windows_.back();
    if (!DestroyWindow(window)) {
      RemoveWindow(window);
    }
  }
  for (const std::string& name : classNames_) {
    UnregisterClassA(name.c_str(), LibraryInstance());
  }
  classNames_.clear();
}

void PluginApplication::ShowError(HWND owner, const std::string& text) const {
  // A message box runs a message loop and may load libraries: not under the loader lock.
  if (unloading_) {
    return;
  }
  MessageBoxA(owner, text.c_str(), kErrorCaption, MB_OK | MB_ICONSTOP);
}
