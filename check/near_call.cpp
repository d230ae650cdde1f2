#include "check/near_call.h"

#include <cstdlib>

namespace {
// One character changed, or two neighbours swapped; `a` and `b` have the same length.
bool OneChangeOrSwap(std::string_view a, std::string_view b) {
  std::size_t first = 0;
  while (first < a.size() && a[first] == b[first]) {
    ++first;
  }
  if (first == a.size()) {
    return false;
  }
  if (a.substr(first + 1) == b.substr(first + 1)) {
    return true;
  }
  return first + 1 < a.size() && a[first] == b[first + 1] && a[first + 1] == b[first] &&
         a.substr(first + 2) == b.substr(first + 2);
}

// `longer` is `shorter` with one character added somewhere.
bool OneAdded(std::string_view shorter, std::string_view longer) {
  std::size_t first = 0;
  while (first < shorter.size() && shorter[first] == longer[first]) {
    ++first;
  }
  return shorter.substr(first) == longer.substr(first + 1);
}
}  // namespace

bool AreNearCalls(std::string_view a, std::string_view b) {
  if (a.size() == b.size()) {
    return OneChangeOrSwap(a, b);
  }
  if (a.size() + 1 == b.size()) {
    return OneAdded(a, b);
  }
  if (b.size() + 1 == a.size()) {
    return OneAdded(b, a);
  }
  return false;
}
