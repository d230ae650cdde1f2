#include "testing/posted_calls_win.h"

#include <memory>
#include <stdexcept>

namespace {
constexpr char kClassName[] = "MarovintaTestPostedCalls";
constexpr UINT kRunCall = WM_APP + 1;  // lParam: a std::function<void()> to run and delete
}  // namespace

PostedCalls::PostedCalls() {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);  // fails harmlessly when already registered
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) {
    throw std::runtime_error("cannot create the window for posted calls");
  }
}

PostedCalls::~PostedCalls() {
  MSG message;
  while (PeekMessageA(&message, window_, kRunCall, kRunCall, PM_REMOVE)) {
    delete reinterpret_cast<std::function<void()>*>(message.lParam);
  }
  DestroyWindow(window_);
}

void PostedCalls::Post(std::function<void()> call) {
  auto posted = std::make_unique<std::function<void()>>(std::move(call));
  if (PostMessageA(window_, kRunCall, 0, reinterpret_cast<LPARAM>(posted.get()))) {
    posted.release();
  }
}

LRESULT CALLBACK PostedCalls::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunCall) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  const std::unique_ptr<std::function<void()>> call(
      reinterpret_cast<std::function<void()>*>(lParam));
  (*call)();
  return 0;
}
