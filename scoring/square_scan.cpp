#include "scoring/square_scan.h"

#include "scoring/text_rules.h"

FoundSquare ScanSquare(const std::string& report) {
  const std::string_view s = TrimControl(report);
  for (std::size_t p = 0; p + 4 <= s.size(); ++p) {
    if (StartsWithSquare(s.substr(p))) {
      const char square[] = {UpperAscii(s[p]), UpperAscii(s[p + 1]), s[p + 2], s[p + 3]};
      return {std::string(square, 2), std::string(square, 4)};
    }
  }
  return {};
}
