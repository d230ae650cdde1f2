#include "testing/message_box_closer_win.h"

#include <chrono>

namespace {
constexpr auto kPollInterval = std::chrono::milliseconds(10);

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A message box: a dialog of this process that is up on the screen.
BOOL CALLBACK FindBox(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassOf(window) == "#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The box's message is its one static control with text (the icon is a static without).
BOOL CALLBACK FindMessage(HWND child, LPARAM text) {
  if (ClassOf(child) == "Static" && !TextOf(child).empty()) {
    *reinterpret_cast<std::string*>(text) = TextOf(child);
    return FALSE;
  }
  return TRUE;
}
}  // namespace

MessageBoxCloser::MessageBoxCloser() : watcher_([this] { Watch(); }) {}

MessageBoxCloser::~MessageBoxCloser() {
  stop_ = true;
  watcher_.join();
}

std::vector<std::string> MessageBoxCloser::Texts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void MessageBoxCloser::WhileShown(std::function<void()> action) {
  std::lock_guard<std::mutex> lock(mutex_);
  whileShown_ = std::move(action);
}

void MessageBoxCloser::Watch() {
  while (!stop_) {
    HWND box = nullptr;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
    if (box != nullptr) {
      CloseBox(box);
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

void MessageBoxCloser::CloseBox(HWND box) {
  std::string text;
  EnumChildWindows(box, FindMessage, reinterpret_cast<LPARAM>(&text));
  std::function<void()> whileShown;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.push_back(text);
    whileShown = whileShown_;
  }
  if (whileShown) {
    whileShown();
  }
  // Returns once the box's modal loop has taken the press, so the box is not seen twice.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(box, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 5000, &ignored);
}
