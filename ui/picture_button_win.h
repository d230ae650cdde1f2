// A push button with a picture before its caption: a standard button drawn by its owner,
// so it notifies its parent as any button does. Whoever receives its WM_DRAWITEM hands it to Draw.
#pragma once

#include <windows.h>

#include <utility>

#include "ui/gdi_object_win.h"

// A 16 x 16 picture, drawn as it is on an enabled button and greyed on a disabled one.
struct Glyph {
  Bitmap normal;
  Bitmap disabled;
};

class PictureButton {
 public:
  // Creates the button at `bounds` (left, top, right, bottom) in `parent`.
  void Create(HWND parent, int id, const char* caption, const RECT& bounds, HFONT font);
  void SetGlyph(Glyph glyph) { glyph_ = std::move(glyph); }
  void Draw(const DRAWITEMSTRUCT& item) const;
  void SetEnabled(bool enabled);
  // Keeps the button's size.
  void MoveTo(int left, int top);
  HWND Handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
  HFONT font_ = nullptr;  // the window's, not ours
  Glyph glyph_;
};
