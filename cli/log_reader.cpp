#include "cli/log_reader.h"

#include "cli/adif_reader.h"
#include "cli/adx_reader.h"
#include "cli/cabrillo_reader.h"
#include "cli/edi_reader.h"
#include "cli/file_content.h"
#include "cli/log_format.h"
#include "cli/sqlite_reader.h"
#include "cli/text_encoding.h"

namespace {
constexpr const char* kNotALog =
    "not a log: no Cabrillo START-OF-LOG:, no EDI [REG1TEST;1], no ADIF tags, no ADX document "
    "and no SQLite database";

std::string NotALogMessage(std::string_view content) {
  const std::string kind = UnreadableKind(content);
  return kind.empty() ? kNotALog : "not a log: the file is " + kind;
}
}  // namespace

ContestLog ReadLogText(std::string_view content) {
  std::string decoded;
  const std::string_view text = SingleByteText(content, decoded);
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
  return ReadLogText(ReadFileContent(path));
}
