// GDI objects of the plug-in's windows (fonts, bitmaps), each deleted with its owner.
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

// A font of the windows' form descriptions: a height in pixels (-11 is 8 points at 96 pixels per
// inch), a face and a character set. Empty when the system cannot make it; the control then keeps
// the system font.
Font MakeFont(int height, const char* face, BYTE charSet, BYTE pitchAndFamily);
