#include "ui/gdi_object_win.h"

namespace {
constexpr char kDesignFace[] = "MS Sans Serif";
}  // namespace

Font MakeFont(int height, const char* face, BYTE charSet, BYTE pitchAndFamily, bool underlined) {
  return Font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, underlined, FALSE, charSet,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                          face));
}

Font DesignFont(BYTE charSet, bool underlined) {
  return MakeFont(kEightPointHeight, kDesignFace, charSet, DEFAULT_PITCH | FF_SWISS, underlined);
}
