#include "ui/gdi_object_win.h"

Font MakeFont(int height, const char* face, BYTE charSet, BYTE pitchAndFamily) {
  return Font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily,
                          face));
}
