#include "ui/picture_button_win.h"

#include <stdexcept>
#include <string>

#include "ui/application_win.h"

namespace {
constexpr int kGlyphSize = 16;
constexpr int kSpacing = 4;     // between the picture and the caption
constexpr int kFocusInset = 4;  // the focus rectangle inside the frame

std::string WindowTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), text.size())));
  return text;
}

void DrawCaption(HDC dc, int x, int y, const std::string& caption, bool disabled) {
  const int length = static_cast<int>(caption.size());
  if (disabled) {
    // Engraved, as the system greys a caption.
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    TextOutA(dc, x + 1, y + 1, caption.data(), length);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  TextOutA(dc, x, y, caption.data(), length);
}
}  // namespace

void PictureButton::Create(HWND parent, int id, const char* caption, const RECT& bounds,
                           HFONT font) {
  handle_ = CreateWindowExA(
      0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), LibraryInstance(), nullptr);
  if (handle_ == nullptr) {
    throw std::runtime_error(std::string("Cannot create the button ") + caption);
  }
  font_ = font;
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void PictureButton::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const int saved = SaveDC(dc);
  RECT frame = item.rcItem;
  DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (font_ != nullptr) {
    SelectObject(dc, font_);
  }
  SetBkMode(dc, TRANSPARENT);

  // The picture and the caption together, centred; a pushed button moves them a pixel.
  const std::string caption = WindowTextOf(handle_);
  SIZE text{};
  GetTextExtentPoint32A(dc, caption.data(), static_cast<int>(caption.size()), &text);
  const HBITMAP picture = disabled ? glyph_.disabled.Get() : glyph_.normal.Get();
  const int pictureWidth = picture != nullptr ? kGlyphSize + kSpacing : 0;
  const int shift = pushed ? 1 : 0;
  const RECT& r = item.rcItem;
  int x = r.left + (r.right - r.left - pictureWidth - text.cx) / 2 + shift;
  if (picture != nullptr) {
    const MemoryDc source(dc);
    const SelectedObject selected(source.Get(), picture);
    BitBlt(dc, x, r.top + (r.bottom - r.top - kGlyphSize) / 2 + shift, kGlyphSize, kGlyphSize,
           source.Get(), 0, 0, SRCCOPY);
    x += pictureWidth;
  }
  DrawCaption(dc, x, r.top + (r.bottom - r.top - text.cy) / 2 + shift, caption, disabled);

  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = r;
    InflateRect(&focus, -kFocusInset, -kFocusInset);
    DrawFocusRect(dc, &focus);
  }
  RestoreDC(dc, saved);
}

void PictureButton::SetEnabled(bool enabled) {
  EnableWindow(handle_, enabled ? TRUE : FALSE);
}

void PictureButton::MoveTo(int left, int top) {
  SetWindowPos(handle_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
