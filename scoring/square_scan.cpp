#include "scoring/square_scan.h"

#include <utility>

#include "scoring/text_rules.h"

namespace {
// Either case: the report is taken upper-cased.
bool IsFieldLetter(char c) {
  return (c >= 'A' && c <= 'R') || (c >= 'a' && c <= 'r');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

FoundSquare ScanSquare(const std::string& report) {
  const std::string_view s = TrimControl(report);
  for (std::size_t p = 0; p + 4 <= s.size(); ++p) {
    if (IsFieldLetter(s[p]) && IsFieldLetter(s[p + 1]) && IsDigit(s[p + 2]) && IsDigit(s[p + 3])) {
      std::string square = UpperAscii(std::string(s.substr(p, 4)));
      return {square.substr(0, 2), std::move(square)};
    }
  }
  return {};
}
