// Closes the message boxes this process shows, from a second thread, keeping their texts: a test
// that makes the plug-in show one would otherwise wait forever. Active while the object lives.
#pragma once

#include <windows.h>

#include <atomic>
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

 private:
  void Watch();
  void CloseBox(HWND box);

  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::string> texts_;
  std::thread watcher_;
};
