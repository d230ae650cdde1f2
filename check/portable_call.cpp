#include "check/portable_call.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr std::string_view kPortableSuffixes[] = {"P", "M", "MM", "AM", "A", "QRP"};

bool IsPortableSuffix(std::string_view suffix) {
  return std::find(std::begin(kPortableSuffixes), std::end(kPortableSuffixes), suffix) !=
         std::end(kPortableSuffixes);
}
}  // namespace

std::string_view WithoutPortableSuffixes(std::string_view call) {
  for (std::size_t slash = call.rfind('/');
       slash != std::string_view::npos && slash > 0 && IsPortableSuffix(call.substr(slash + 1));
       slash = call.rfind('/')) {
    call = call.substr(0, slash);
  }
  return call;
}
