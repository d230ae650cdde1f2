// Calls that the thread's message loop runs, as the host's own handlers run whenever the plug-in
// lets waiting messages through: each call waits in the queue as a posted message.
#pragma once

#include <windows.h>

#include <functional>

class PostedCalls {
 public:
  PostedCalls();
  ~PostedCalls();  // calls still waiting are dropped
  PostedCalls(const PostedCalls&) = delete;
  PostedCalls& operator=(const PostedCalls&) = delete;

  // From any thread; the call runs on the thread that made this object.
  void Post(std::function<void()> call);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_;
};
