#include "logfiles/log_format.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "logfiles/edi_reader.h"
#include "logfiles/log_text.h"
#include "logfiles/text_encoding.h"
#include "logfiles/text_lines.h"

namespace {
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

bool IsNameChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A line beginning (blanks allowed) with `start`, in any case.
bool HasLineStarting(std::string_view text, std::string_view start) {
  TextLines lines(text);
  std::string_view line;
  while (lines.Next(&line)) {
    if (EqualsIgnoringCase(TrimControl(line).substr(0, start.size()), start)) {
      return true;
    }
  }
  return false;
}

// A line beginning (blanks allowed) with '[' and a name a header of EDI opens with, in any case.
bool HasEdiHeaderLine(std::string_view text) {
  return std::any_of(std::begin(kEdiIdentifiers), std::end(kEdiIdentifiers),
                     [&](std::string_view identifier) {
                       return HasLineStarting(text, "[" + std::string(identifier));
                     });
}

// An XML document whose root is ADX: an XML declaration or the root element first.
bool IsAdx(std::string_view text) {
  text = TrimControl(text);
  return EqualsIgnoringCase(text.substr(0, 5), "<?xml") ||
         EqualsIgnoringCase(text.substr(0, 5), "<adx>") ||
         EqualsIgnoringCase(text.substr(0, 5), "<adx ");
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
  const std::string_view head = WithoutUtf8Mark(content).substr(0, kFormatLookAhead);
  if (HasLineStarting(head, "START-OF-LOG:")) {
    return LogFormat::kCabrillo;
  }
  if (HasEdiHeaderLine(head)) {
    return LogFormat::kEdi;
  }
  if (IsAdx(head)) {
    return LogFormat::kAdx;
  }
  if (HasAdifTag(head)) {
    return LogFormat::kAdif;
  }
  return LogFormat::kUnknown;
}
