#include "logfiles/json_string.h"

#include <cstdio>

#include "logfiles/utf8.h"

namespace {
std::string Escaped(unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
  return buffer;
}
}  // namespace

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t p = 0; p < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[p]);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else if (c < 0x20) {
      json += Escaped(c);
    } else if (c >= 0x80) {
      const std::size_t length = Utf8Length(text, p);
      if (length == 0) {
        json += Escaped(c);
        ++p;
        continue;
      }
      json.append(text, p, length);
      p += length;
      continue;
    } else {
      json += static_cast<char>(c);
    }
    ++p;
  }
  return json + "\"";
}
