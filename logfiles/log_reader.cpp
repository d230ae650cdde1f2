#include "logfiles/log_reader.h"

#include "logfiles/adif_reader.h"
#include "logfiles/adx_reader.h"
#include "logfiles/cabrillo_reader.h"
#include "logfiles/edi_reader.h"
#include "logfiles/file_content.h"
#include "logfiles/log_format.h"
#include "logfiles/sqlite_reader.h"
#include "logfiles/text_encoding.h"

namespace {
constexpr const char* kNotALog =
    "not a log: no Cabrillo START-OF-LOG:, no EDI [REG1TEST;1], no ADIF tags, no ADX document "
    "and no SQLite database";

// A log longer than this is read in pieces when it can be; its kind is told from its head as from
// the whole text: the look-ahead and a UTF-8 byte-order mark.
constexpr std::size_t kHead = kFormatLookAhead + 3;

// ADIF in single bytes, whose lines end in LF: what is read in pieces.
bool IsPlainAdif(std::string_view head) {
  std::string decoded;
  return SingleByteText(head, decoded).data() == head.data() &&
         DetectFormat(head) == LogFormat::kAdif && head.find('\n') != std::string_view::npos;
}

std::string NotALogMessage(std::string_view content) {
  const std::string kind = UnreadableKind(content);
  return kind.empty() ? kNotALog : "not a log: the file is " + kind;
}
}  // namespace

ContestLog ReadLogText(std::string_view content) {
  std::string decoded;
  // Of the readers only the XML parser knows a byte-order mark.
  const std::string_view text = WithoutUtf8Mark(SingleByteText(content, decoded));
  switch (DetectFormat(text)) {
    case LogFormat::kCabrillo:
      return ReadCabrillo(text);
    case LogFormat::kAdif:
      return ReadAdif(text);
    case LogFormat::kEdi:
      return ReadEdi(text);
    case LogFormat::kAdx:
      return ReadAdx(content);  // the XML parser reads the encoding the document declares
    case LogFormat::kSqlite:
      throw LogError("an SQLite log is read from its file, not from standard input");
    case LogFormat::kUnknown:
      break;
  }
  throw LogError(NotALogMessage(content));
}

ContestLog ReadLogFile(const std::string& path, const std::string& table) {
  if (path != "-" && IsSqliteFile(path)) {
    return ReadSqliteLog(path, table);
  }
  LogFile file(path);
  std::string head(kHead, '\0');
  head.resize(file.Read(head.data(), head.size()));
  if (head.size() == kHead && IsPlainAdif(head)) {
    TextWindow window(file, std::move(head));
    return ReadAdif(window);
  }
  file.ReadRest(head);
  return ReadLogText(head);
}
