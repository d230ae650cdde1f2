#include "cli/square_set.h"

#include "cli/log_text.h"

namespace {
int Letter(char c) {
  return (c >= 'a' ? c - 'a' : c - 'A');
}
}  // namespace

std::optional<int> SquareIndex(std::string_view locator) {
  if (!StartsWithSquare(locator)) {
    return std::nullopt;
  }
  return ((Letter(locator[0]) * 18 + Letter(locator[1])) * 10 + (locator[2] - '0')) * 10 +
         (locator[3] - '0');
}

std::string SquareText(int square) {
  return {static_cast<char>('A' + square / 1800), static_cast<char>('A' + square / 100 % 18),
          static_cast<char>('0' + square / 10 % 10), static_cast<char>('0' + square % 10)};
}
