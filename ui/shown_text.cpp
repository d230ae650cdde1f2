#include "ui/shown_text.h"

namespace {
constexpr char kShownForControl = '?';

bool IsControl(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 32 || code == 127;
}
}  // namespace

std::string ShownText(std::string_view text) {
  std::string shown(text);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const bool lineEnd = shown.compare(i, 2, "\r\n") == 0;
    if (lineEnd) {
      ++i;
    } else if (shown[i] != '\t' && IsControl(shown[i])) {
      shown[i] = kShownForControl;
    }
  }
  return shown;
}
