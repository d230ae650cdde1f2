#include "cli/log_format.h"

#include "cli/log_text.h"

namespace {
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::size_t kLookAhead = 64 * 1024;  // a header or a first record fits many times over

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A line beginning (blanks allowed) with START-OF-LOG:.
bool HasCabrilloStart(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string_view line = TrimControl(text.substr(pos, end - pos));
    if (EqualsIgnoringCase(line.substr(0, 13), "START-OF-LOG:")) {
      return true;
    }
    pos = end + 1;
  }
  return false;
}

// <EOH>, <EOR>, or a data tag such as <call:6> or <CALL:6:S>.
bool HasAdifTag(std::string_view text) {
  for (std::size_t open = text.find('<'); open != std::string_view::npos;
       open = text.find('<', open + 1)) {
    const std::string_view rest = text.substr(open + 1);
    if (EqualsIgnoringCase(rest.substr(0, 4), "eoh>") ||
        EqualsIgnoringCase(rest.substr(0, 4), "eor>")) {
      return true;
    }
    std::size_t p = 0;
    while (p < rest.size() && IsNameChar(rest[p])) {
      ++p;
    }
    if (p > 0 && p + 1 < rest.size() && rest[p] == ':' && rest[p + 1] >= '0' &&
        rest[p + 1] <= '9') {
      return true;
    }
  }
  return false;
}
}  // namespace

LogFormat DetectFormat(std::string_view content) {
  if (content.substr(0, kSqliteMagic.size()) == kSqliteMagic) {
    return LogFormat::kSqlite;
  }
  if (content.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    content.remove_prefix(kUtf8Mark.size());
  }
  const std::string_view head = content.substr(0, kLookAhead);
  if (HasCabrilloStart(head)) {
    return LogFormat::kCabrillo;
  }
  if (HasAdifTag(head)) {
    return LogFormat::kAdif;
  }
  return LogFormat::kUnknown;
}
