#include "logfiles/text_encoding.h"

#include "logfiles/contest_log.h"

namespace {
struct Signature {
  std::string_view bytes;
  const char* name;
};

// Byte-order marks of encodings the readers do not take. UTF-32's come before UTF-16's, whose
// mark begins theirs.
constexpr Signature kForeignMarks[] = {
    {{"\x00\x00\xFE\xFF", 4}, "UTF-32 (big-endian)"},
    {{"\xFF\xFE\x00\x00", 4}, "UTF-32 (little-endian)"},
    {"\x2B\x2F\x76", "UTF-7"},
    {"\xF7\x64\x4C", "UTF-1"},
    {"\xDD\x73\x66\x73", "UTF-EBCDIC"},
    {"\x0E\xFE\xFF", "SCSU"},
    {"\xFB\xEE\x28", "BOCU-1"},
    {"\x84\x31\x95\x33", "GB 18030"},
};

// The beginnings of files that are often sent instead of a log.
constexpr Signature kOtherFiles[] = {
    {{"PK\x03\x04", 4}, "a ZIP archive (unpack it first)"},
    {"\x1F\x8B", "a gzip-compressed file (unpack it first)"},
    {"BZh", "a bzip2-compressed file (unpack it first)"},
    {{"\xFD"
      "7zXZ\x00",
      6},
     "an xz-compressed file (unpack it first)"},
    {"7z\xBC\xAF\x27\x1C", "a 7-Zip archive (unpack it first)"},
    {"%PDF", "a PDF document"},
    {"{\\rtf", "an RTF document (save the log as plain text)"},
    {"\xD0\xCF\x11\xE0", "an Office document (save the log as plain text)"},
};

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Le = "\xFF\xFE";
constexpr std::string_view kUtf16Be = "\xFE\xFF";
constexpr std::size_t kSniffedBytes = 512;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

void DecodeUtf16(std::string_view units, bool bigEndian, std::string& decoded) {
  decoded.clear();
  decoded.reserve(units.size() / 2);
  for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(units[i]);
    const unsigned second = static_cast<unsigned char>(units[i + 1]);
    const unsigned unit = bigEndian ? (first << 8 | second) : (second << 8 | first);
    decoded.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
  }
}

// ASCII text in UTF-16 without its mark has a NUL in nearly every other byte: at odd offsets
// (little-endian) or at even ones (big-endian), and nowhere else.
bool LooksLikeUtf16(std::string_view head) {
  std::size_t evenZeros = 0;
  std::size_t oddZeros = 0;
  for (std::size_t i = 0; i < head.size(); ++i) {
    if (head[i] == '\0') {
      ++(i % 2 == 0 ? evenZeros : oddZeros);
    }
  }
  const std::size_t pairs = head.size() / 2;
  return pairs >= 4 && ((evenZeros == 0 && oddZeros * 4 >= pairs * 3) ||
                        (oddZeros == 0 && evenZeros * 4 >= pairs * 3));
}
}  // namespace

std::string_view SingleByteText(std::string_view content, std::string& decoded) {
  for (const Signature& mark : kForeignMarks) {
    if (StartsWith(content, mark.bytes)) {
      throw LogError(std::string("the file is written in ") + mark.name +
                     ", which the scorer does not read; save the log as UTF-8");
    }
  }
  if (StartsWith(content, kUtf16Le) || StartsWith(content, kUtf16Be)) {
    DecodeUtf16(content.substr(2), StartsWith(content, kUtf16Be), decoded);
    return decoded;
  }
  return content;
}

std::string_view WithoutUtf8Mark(std::string_view text) {
  return StartsWith(text, kUtf8Mark) ? text.substr(kUtf8Mark.size()) : text;
}

std::string UnreadableKind(std::string_view content) {
  for (const Signature& file : kOtherFiles) {
    if (StartsWith(content, file.bytes)) {
      return file.name;
    }
  }
  const std::string_view head = content.substr(0, kSniffedBytes);
  if (LooksLikeUtf16(head)) {
    return "UTF-16 text without a byte-order mark (save it as UTF-8)";
  }
  if (head.find('\0') != std::string_view::npos) {
    return "binary data, not text";
  }
  return "";
}
