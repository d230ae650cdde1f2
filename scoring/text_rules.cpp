#include "scoring/text_rules.h"

std::string_view TrimTrailingControlAndStops(std::string_view text) {
  while (!text.empty() && (IsBlankOrControl(text.back()) || text.back() == '.')) {
    text.remove_suffix(1);
  }
  return text;
}

std::string UpperAscii(std::string text) {
  for (char& c : text) {
    c = UpperAscii(c);
  }
  return text;
}

int CompareBytes(std::string_view a, std::string_view b) {
  // char_traits<char> compares as unsigned char.
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
