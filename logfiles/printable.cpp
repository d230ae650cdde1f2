#include "logfiles/printable.h"

#include <cstdio>

#include "logfiles/utf8.h"

namespace {
bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F);
}

void AppendEscaped(std::string& text, unsigned char c) {
  char escape[5];
  std::snprintf(escape, sizeof escape, "\\x%02x", c);
  text += escape;
}
}  // namespace

std::string Printable(std::string_view text) {
  std::string printable;
  printable.reserve(text.size());
  for (std::size_t p = 0; p < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[p]);
    const std::size_t length = c >= 0x80 ? Utf8Length(text, p) : 0;
    // U+0080..U+009F, the C1 controls, are C2 80..C2 9F in UTF-8.
    const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[p + 1]) <= 0x9F;
    if (length > 0 && !c1) {
      printable.append(text, p, length);
      p += length;
    } else if (c1) {
      AppendEscaped(printable, c);
      AppendEscaped(printable, static_cast<unsigned char>(text[p + 1]));
      p += 2;
    } else {
      if (IsControl(c)) {
        AppendEscaped(printable, c);
      } else {
        printable += static_cast<char>(c);
      }
      ++p;
    }
  }
  return printable;
}
