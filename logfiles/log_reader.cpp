#include "logfiles/log_reader.h"

#include "logfiles/adif_reader.h"
#include "logfiles/adx_reader.h"
#include "logfiles/cabrillo_reader.h"
#include "logfiles/edi_reader.h"
#include "logfiles/file_content.h"
#include "logfiles/log_code_page.h"
#include "logfiles/log_format.h"
#include "logfiles/sqlite_reader.h"
#include "logfiles/text_encoding.h"
#include "logfiles/utf8.h"

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

// What `read` reads, its texts and its error made UTF-8 from the code page where one is given.
template <typename Read>
ContestLog ReadInCodePage(const std::optional<CodePage>& codePage, Read read) {
  if (!codePage) {
    return read();
  }
  try {
    ContestLog log = read();
    DecodeLogTexts(log, *codePage);
    return log;
  } catch (const LogError& error) {
    if (IsUtf8(error.what())) {
      throw;
    }
    throw LogError(codePage->Utf8(error.what()), error.Line());
  }
}

// Reads `content` as `text`, its single bytes, say.
ContestLog ReadTextOfItsKind(std::string_view content, std::string_view text,
                             const std::optional<CodePage>& codePage, QsoDetail detail) {
  // Of the readers only the XML parser knows a byte-order mark.
  text = WithoutUtf8Mark(text);
  switch (DetectFormat(text)) {
    case LogFormat::kCabrillo:
      return ReadCabrillo(text, detail);
    case LogFormat::kAdif:
      return ReadAdif(text, detail);
    case LogFormat::kEdi:
      return ReadEdi(text, detail);
    case LogFormat::kAdx:
      // The XML parser reads the encoding it declares.
      return ReadAdx(content, codePage, detail);
    case LogFormat::kSqlite:
      throw LogError("an SQLite log is read from its file, not from standard input");
    case LogFormat::kUnknown:
      break;
  }
  throw LogError(NotALogMessage(content));
}
}  // namespace

ContestLog ReadLogText(std::string_view content, const std::optional<CodePage>& codePage,
                       QsoDetail detail) {
  static const std::optional<CodePage> kNoCodePage;
  std::string decoded;
  const std::string_view text = SingleByteText(content, decoded);
  // A UTF-16 text names its own encoding: no code page is its.
  const std::optional<CodePage>& pageOfText =
      text.data() == content.data() ? codePage : kNoCodePage;
  return ReadInCodePage(pageOfText,
                        [&] { return ReadTextOfItsKind(content, text, pageOfText, detail); });
}

ContestLog ReadLogFile(const std::string& path, const std::string& table,
                       const std::optional<CodePage>& codePage, QsoDetail detail) {
  if (path != "-" && IsSqliteFile(path)) {
    return ReadSqliteLog(path, table, detail);
  }
  LogFile file(path);
  std::string head(kHead, '\0');
  head.resize(file.Read(head.data(), head.size()));
  if (head.size() == kHead && IsPlainAdif(head)) {
    TextWindow window(file, std::move(head));
    return ReadInCodePage(codePage, [&] { return ReadAdif(window, detail); });
  }
  file.ReadRest(head);
  return ReadLogText(head, codePage, detail);
}
