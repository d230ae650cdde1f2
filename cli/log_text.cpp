#include "cli/log_text.h"

namespace {
bool IsFieldLetter(char c) {
  return (c >= 'A' && c <= 'R') || (c >= 'a' && c <= 'r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

std::string UpperTrimmed(std::string_view text) {
  return UpperAscii(std::string(TrimControl(text)));
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) {
      return false;
    }
  }
  return true;
}

bool StartsWithSquare(std::string_view text) {
  return text.size() >= 4 && IsFieldLetter(text[0]) && IsFieldLetter(text[1]) && IsDigit(text[2]) &&
         IsDigit(text[3]);
}
