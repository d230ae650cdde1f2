#include "scoring/square_scan.h"

#include "scoring/text_rules.h"

namespace {
// Where the first square of the trimmed text begins, or npos.
std::size_t SquareAt(std::string_view s) {
  for (std::size_t p = 0; p + 4 <= s.size(); ++p) {
    if (StartsWithSquare(s.substr(p))) {
      return p;
    }
  }
  return std::string_view::npos;
}
}  // namespace

FoundSquare ScanSquare(const std::string& report) {
  const std::string_view s = TrimControl(report);
  const std::size_t p = SquareAt(s);
  if (p == std::string_view::npos) {
    return {};
  }
  const char square[] = {UpperAscii(s[p]), UpperAscii(s[p + 1]), s[p + 2], s[p + 3]};
  return {std::string(square, 2), std::string(square, 4)};
}

std::string ScanLocator(const std::string& report) {
  const std::string_view s = TrimControl(report);
  const std::size_t p = SquareAt(s);
  if (p == std::string_view::npos) {
    return {};
  }
  const bool subsquare =
      p + 6 <= s.size() && IsSubsquareLetter(s[p + 4]) && IsSubsquareLetter(s[p + 5]);
  return UpperAscii(std::string(s.substr(p, subsquare ? 6 : 4)));
}
