#include "testing/message_box_closer_win.h"

#include <chrono>

#include "host/own_windows_win.h"

namespace {
constexpr auto kPollInterval = std::chrono::milliseconds(10);
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
    const HWND box = VisibleOwnDialog();
    if (box != nullptr) {
      CloseBox(box);
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

void MessageBoxCloser::CloseBox(HWND box) {
  const std::string text = WindowText(MessageTextControl(box));
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
