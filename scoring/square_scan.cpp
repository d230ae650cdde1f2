#include "scoring/square_scan.h"

#include "scoring/text_rules.h"

namespace {
// Either case: the report is taken upper-cased.
bool IsFieldLetter(char c) {
  return (c >= 'A' && c <= 'R') || (c >= 'a' && c <= 'r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
// The upper case of a field letter, A..R or a..r: its 0x20 bit cleared.
char UpperField(char c) {
  return static_cast<char>(c & ~0x20);
}
}  // namespace

FoundSquare ScanSquare(const std::string& report) {
  const std::string_view s = TrimControl(report);
  for (std::size_t p = 0; p + 4 <= s.size(); ++p) {
    if (IsFieldLetter(s[p]) && IsFieldLetter(s[p + 1]) && IsDigit(s[p + 2]) && IsDigit(s[p + 3])) {
      const char square[] = {UpperField(s[p]), UpperField(s[p + 1]), s[p + 2], s[p + 3]};
      return {std::string(square, 2), std::string(square, 4)};
    }
  }
  return {};
}
