// GDI objects of the plug-in's windows (fonts, bitmaps, memory device contexts, an object selected
// into a context), each released with its owner.
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }

 private:
  void Reset() {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
      handle_ = nullptr;
    }
  }

  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// A memory device context, compatible with `compatible` (the screen when nullptr), deleted with
// its owner. Null when the system cannot make one.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible = nullptr) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) {
      DeleteDC(dc_);
    }
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// An object selected into a device context while its owner lives: the one it replaced is
// selected again after, before the object or the context goes.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_ != nullptr) {
      SelectObject(dc_, previous_);
    }
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The height in pixels of an 8-point font at 96 pixels per inch, the forms' designed size.
inline constexpr int kEightPointHeight = -11;

// A font of the windows' form descriptions: a height in pixels, a face and a character set. Empty
// when the system cannot make it; a control then keeps the system font.
Font MakeFont(int height, const char* face, BYTE charSet, BYTE pitchAndFamily,
              bool underlined = false);

// The forms' own font: "MS Sans Serif" of 8 points in the character set the form was designed with.
Font DesignFont(BYTE charSet, bool underlined = false);
