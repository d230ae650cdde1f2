// The plug-in's application object: it owns the plug-in's top-level windows and their window
// classes, holds the application window handle (the owner every top-level window is created with;
// 0 unless somebody assigns one, so the windows have no owner), posts release requests and shows
// a window event's error in a message box.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

// Posted to one of the plug-in's windows: destroy yourself (when the message loop gets to it).
constexpr UINT kReleaseMessage = WM_USER + 1;

class PluginApplication {
 public:
  HWND Handle() const { return handle_; }
  void SetHandle(HWND handle) { handle_ = handle; }

  // Registers a window class on the library's own instance, once.
  void RegisterWindowClass(WNDCLASSEXA windowClass);

  // Every top-level window of the plug-in enters at creation and leaves at destruction.
  void AddWindow(HWND window);
  void RemoveWindow(HWND window);

  // Posts the release request; never to a null handle, which would make it a stray thread message.
  void PostRelease(HWND window) const;

  // Lets the thread dispatch the messages that are waiting, as a long piece of work does at its
  // chosen points; a quit request is left for the host's message loop.
  void ProcessMessages();

  // For unloading, under the loader lock: destroys the windows still open, then unregisters the
  // window classes. From then on Unloading() is true and no error is shown.
  void Shutdown() noexcept;
  bool Unloading() const { return unloading_; }

  // Runs a window event; an error is shown in a message box and the window stays usable.
  template <typename Event>
  void RunEvent(HWND window, Event&& event) noexcept;

  // Shows the error in a message box, unless the library is unloading.
  void ShowError(HWND owner, const std::string& text) const;

 private:
  HWND handle_ = nullptr;
  std::vector<HWND> windows_;
  std::vector<std::string> classNames_;
  bool unloading_ = false;
};

// The library's instance: window classes belong to it, not to the host.
HINSTANCE LibraryInstance();

// Makes a window visible and brings it to the front; one already visible (minimised included)
// is only brought forward.
void ShowAndBringToFront(HWND window);

extern PluginApplication Application;

template <typename Event>
void PluginApplication::RunEvent(HWND window, Event&& event) noexcept {
  std::string error;
  try {
    event();
    return;
  } catch (const std::exception& e) {
    error = e.what();
  } catch (...) {
    error = "Unknown error";
  }
  ShowError(window, error);
}
