// Nobody sits at a scripted host to close a message box, and a modal box would stop the script
// for good. While this lives, a second thread finds every dialog box of this process, prints its
// caption and text ("message box: CAPTION: TEXT") and presses its first button.
#pragma once

#include <windows.h>

class MessageBoxWatch {
 public:
  MessageBoxWatch();
  ~MessageBoxWatch();
  MessageBoxWatch(const MessageBoxWatch&) = delete;
  MessageBoxWatch& operator=(const MessageBoxWatch&) = delete;

 private:
  HANDLE stop_;
  HANDLE thread_;
};
