// The report's memo: a standard multi-line edit control (so anything can read it with
// WM_GETTEXT), no word wrap, no scroll bars, a fixed-pitch font so the tab columns line up.
//
// Laying a text out costs the control milliseconds, far more than making the text, so a new text
// reaches the control once the thread's message loop next runs: a burst of texts costs one layout.
// Until then the control answers WM_GETTEXT and WM_GETTEXTLENGTH with the newest text, and takes
// it at once before any edit message, so every reader sees the newest text as soon as it is set.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "ui/gdi_object_win.h"

class Memo {
 public:
  Memo() = default;
  ~Memo();
  Memo(const Memo&) = delete;
  Memo& operator=(const Memo&) = delete;

  // Creates the control in `parent`; the parent destroys it, this object keeps its font.
  void Create(HWND parent);
  void SetBounds(const RECT& bounds);
  // Shows the whole text, whatever characters it holds (see ShownText).
  void SetText(const std::string& text);
  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR memo);
  // Hands the newest text to the control, when it has not got it yet.
  void ApplyPendingText();
  void Detach();

  HWND handle_ = nullptr;
  Font font_;
  std::optional<std::string> pendingText_;  // set, not yet handed to the control
  bool applyPosted_ = false;                // a request to hand it over waits in the queue
};
