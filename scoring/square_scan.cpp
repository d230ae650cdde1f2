#include "scoring/square_scan.h"

#include "scoring/text_rules.h"

namespace {
bool IsFieldLetter(char c) {
  return c >= 'A' && c <= 'R';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

FoundSquare ScanSquare(const std::string& report) {
  const std::string s = UpperAscii(std::string(TrimControl(report)));
  for (std::size_t p = 0; p + 4 <= s.size(); ++p) {
    if (IsFieldLetter(s[p]) && IsFieldLetter(s[p + 1]) && IsDigit(s[p + 2]) && IsDigit(s[p + 3])) {
      return {s.substr(p, 2), s.substr(p, 4)};
    }
  }
  return {};
}
