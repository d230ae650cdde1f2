// A set of locator squares by their numbers: it costs the same however many squares a log names.
#pragma once

#include <bitset>

#include "scoring/square_number.h"

class SquareSet {
 public:
  // True when `square` was not in the set before.
  bool Insert(int square) {
    const bool added = !seen_[static_cast<std::size_t>(square)];
    seen_.set(static_cast<std::size_t>(square));
    return added;
  }

 private:
  std::bitset<kSquareCount> seen_;
};
