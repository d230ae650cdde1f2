// Closes the message boxes this process shows, from a second thread, keeping their texts: a test
// that makes the plug-in show one would otherwise wait forever. Active while the object lives.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxCloser {
 public:
  MessageBoxCloser();
  ~MessageBoxCloser();
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  // The text of every box closed so far, in order.
  std::vector<std::string> Texts() const;
  // Runs `action` on the closing thread whenever a box is up, before the box is closed: what the
  // action makes the test's thread do then happens while the box's own message loop runs.
  void WhileShown(std::function<void()> action);

 private:
  void Watch();
  void CloseBox(HWND box);

  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::function<void()> whileShown_;
  std::thread watcher_;
};
