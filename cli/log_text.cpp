#include "cli/log_text.h"

namespace {
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}
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

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

std::string UpperTrimmed(std::string_view text) {
  std::string upper(TrimBlanks(text));
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return upper;
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
