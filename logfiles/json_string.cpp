#include "logfiles/json_string.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "logfiles/utf8.h"

namespace {
// Printable ASCII but the quote and the backslash: what JSON takes as it is.
bool NeedsNoEscape(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
}
}  // namespace

nlohmann::ordered_json JsonText(std::string_view text) {
  return Utf8Text(text);
}

std::string JsonString(std::string_view text) {
  // Most texts of a log are plain: quoted without a trip through the library.
  if (NeedsNoEscape(text)) {
    return "\"" + std::string(text) + "\"";
  }
  return JsonText(text).dump();
}
