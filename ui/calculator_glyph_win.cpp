#include "ui/calculator_glyph_win.h"

#include <cstring>

namespace {
constexpr int kSize = 16;

// One character per pixel, each a key of kPalette: a display above three rows of keys.
// clang-format off
constexpr const char* kPicture[kSize] = {
    "..KKKKKKKKKKKK..",
    "..KggggggggggK..",
    "..KgKKKKKKKKgK..",
    "..KgKssKsKsKgK..",
    "..KgKssKsKsKgK..",
    "..KgKKKKKKKKgK..",
    "..KggggggggggK..",
    "..KgwwgwwgrrgK..",
    "..KgwwgwwgrrgK..",
    "..KggggggggggK..",
    "..KgwwgwwgwwgK..",
    "..KgwwgwwgwwgK..",
    "..KggggggggggK..",
    "..KgwwgwwgwwgK..",
    "..KgwwgwwgwwgK..",
    "..KKKKKKKKKKKK..",
};
// clang-format on

// A colour of the system's scheme (index >= 0) or a fixed one.
struct Colour {
  int systemIndex;
  COLORREF fixed;
};
constexpr Colour System(int index) {
  return {index, 0};
}
constexpr Colour Fixed(COLORREF colour) {
  return {-1, colour};
}

// The picture's colours, all of the 16-colour palette, and what each becomes when greyed.
struct PaletteEntry {
  char key;
  Colour normal;
  Colour disabled;
};
constexpr PaletteEntry kPalette[] = {
    {'.', System(COLOR_BTNFACE), System(COLOR_BTNFACE)},  // background
    {'K', Fixed(RGB(0, 0, 0)), System(COLOR_BTNSHADOW)},
    {'g', Fixed(RGB(128, 128, 128)), System(COLOR_BTNFACE)},
    {'s', Fixed(RGB(192, 192, 192)), System(COLOR_BTNFACE)},
    {'w', Fixed(RGB(255, 255, 255)), System(COLOR_BTNHIGHLIGHT)},
    {'r', Fixed(RGB(255, 0, 0)), System(COLOR_BTNSHADOW)},
};
constexpr int kPaletteSize = sizeof kPalette / sizeof kPalette[0];

BYTE IndexOf(char key) {
  for (int i = 0; i < kPaletteSize; ++i) {
    if (kPalette[i].key == key) {
      return static_cast<BYTE>(i);
    }
  }
  return 0;
}

RGBQUAD ToRgbQuad(const Colour& colour) {
  const COLORREF value = colour.systemIndex >= 0 ? GetSysColor(colour.systemIndex) : colour.fixed;
  return {GetBValue(value), GetGValue(value), GetRValue(value), 0};
}

// A 4-bit top-down DIB: two pixels a byte, the left one in the high half.
Bitmap MakeBitmap(bool disabled) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[16];
  } info;
  std::memset(&info, 0, sizeof info);
  info.header.biSize = sizeof info.header;
  info.header.biWidth = kSize;
  info.header.biHeight = -kSize;
  info.header.biPlanes = 1;
  info.header.biBitCount = 4;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = kPaletteSize;
  for (int i = 0; i < kPaletteSize; ++i) {
    info.colours[i] = ToRgbQuad(disabled ? kPalette[i].disabled : kPalette[i].normal);
  }
  void* bits = nullptr;
  Bitmap bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                 &bits, nullptr, 0));
  if (bitmap.Get() == nullptr) {
    return {};
  }
  constexpr int kRowBytes = kSize / 2;  // already a multiple of four
  auto* pixels = static_cast<BYTE*>(bits);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; x += 2) {
      pixels[y * kRowBytes + x / 2] =
          static_cast<BYTE>(IndexOf(kPicture[y][x]) << 4 | IndexOf(kPicture[y][x + 1]));
    }
  }
  return bitmap;
}
}  // namespace

Glyph CalculatorGlyph() {
  return {MakeBitmap(false), MakeBitmap(true)};
}
