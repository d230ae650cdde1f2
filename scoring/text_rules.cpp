#include "scoring/text_rules.h"

namespace {
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string TrimControl(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlankOrControl(text[first])) {
    ++first;
  }
  while (last > first && IsBlankOrControl(text[last - 1])) {
    --last;
  }
  return text.substr(first, last - first);
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return text;
}

int CompareBytes(const std::string& a, const std::string& b) {
  // std::string::compare uses char_traits<char>, which compares as unsigned char.
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
