// Away from Windows the host's code page is taken to be Latin-1, whose 256 characters are the
// first 256 of UTF-16.
#include "io/host_code_page.h"

namespace {
constexpr char16_t kLastLatin1 = 0xFF;

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}
}  // namespace

std::string ToHostCodePage(const std::u16string& wide) {
  std::string text;
  ToHostCodePage(wide, text);
  return text;
}

void ToHostCodePage(std::u16string_view wide, std::string& text) {
  text.clear();
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const char16_t c = wide[i];
    if (c <= kLastLatin1) {
      text.push_back(static_cast<char>(c));
      continue;
    }
    text.push_back('?');
    if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
      ++i;  // one character, one '?'
    }
  }
}

std::u16string FromHostCodePage(const std::string& text) {
  std::u16string wide;
  wide.reserve(text.size());
  for (char c : text) {
    wide.push_back(static_cast<unsigned char>(c));
  }
  return wide;
}
