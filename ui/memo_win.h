// The report's memo: a standard multi-line edit control (so anything can read it with
// WM_GETTEXT), no word wrap, no scroll bars, a fixed-pitch font so the tab columns line up.
#pragma once

#include <windows.h>

#include <string>

#include "ui/gdi_object_win.h"

class Memo {
 public:
  Memo() = default;
  Memo(const Memo&) = delete;
  Memo& operator=(const Memo&) = delete;

  // Creates the control in `parent`; the parent destroys it, this object keeps its font.
  void Create(HWND parent);
  void SetBounds(const RECT& bounds);
  // Shows the whole text, whatever characters it holds (see ShownText).
  void SetText(const std::string& text);
  HWND Handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
  Font font_;
};
