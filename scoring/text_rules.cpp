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
