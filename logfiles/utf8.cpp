#include "logfiles/utf8.h"

std::size_t Utf8Length(std::string_view text, std::size_t p) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(p);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (p + length > text.size() || byte(p + 1) < low || byte(p + 1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(p + i) < 0x80 || byte(p + i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t p = 0; p < text.size();) {
    const std::size_t length = static_cast<unsigned char>(text[p]) < 0x80 ? 1 : Utf8Length(text, p);
    if (length == 0) {
      return false;
    }
    p += length;
  }
  return true;
}

std::string Utf8Text(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t p = 0; p < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[p]);
    const std::size_t length = c < 0x80 ? 1 : Utf8Length(text, p);
    if (length > 0) {
      utf8.append(text, p, length);
      p += length;
      continue;
    }
    // Latin-1 is the first 256 code points: two bytes of UTF-8 each above 127.
    utf8 += static_cast<char>(0xC0 | c >> 6);
    utf8 += static_cast<char>(0x80 | (c & 0x3F));
    ++p;
  }
  return utf8;
}
