#include "logfiles/log_reader.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <thread>

#include "logfiles/file_content.h"
#include "logfiles/test_support.h"

namespace {
constexpr const char* kCabrillo =
    "START-OF-LOG: 3.0\r\nCALLSIGN: DL1ABC\r\n"
    "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\r\nEND-OF-LOG:\r\n";

std::string Utf16(const std::string& text, bool bigEndian) {
  std::string units = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : text) {
    units += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return units;
}
}  // namespace

TEST(ReadLogText, Utf16WithItsMarkAndEveryLineEnd) {
  const std::string crOnly =
      "START-OF-LOG: 3.0\rQSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 "
      "OK1XYZ JN79\rEND-OF-LOG:\r";
  for (const std::string& content :
       {std::string(kCabrillo), Utf16(kCabrillo, false), Utf16(kCabrillo, true), crOnly,
        Utf16(crOnly, false), "\xEF\xBB\xBF" + std::string(kCabrillo)}) {
    SCOPED_TRACE(content.size());
    const ContestLog log = ReadLogText(content);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].callSign, "OK1XYZ");
    EXPECT_EQ(log.qsos[0].exchange, "JN79");
    EXPECT_TRUE(log.warnings.empty());
  }
  // Characters beyond the host's code page become '?', one per code unit, so ADIF lengths hold.
  const ContestLog adif = ReadLogText(Utf16("<name:2>", false) + "\x3A\x04\x3B\x04" +
                                      Utf16("<call:1>K<band:3>20m<eor>", false).substr(2));
  ASSERT_EQ(adif.qsos.size(), 1u);
  EXPECT_EQ(adif.qsos[0].callSign, "K");
}

// A UTF-8 byte-order mark before a log of any kind, read from a text or from a file.
TEST(ReadLogText, EveryKindReadsAfterAUtf8ByteOrderMark) {
  const TempDir dir;
  struct Case {
    std::string content, format;
  } cases[] = {
      {kCabrillo, "Cabrillo"},
      {"[REG1TEST;1]\r\nPCall=OE1ABC\r\nPWWLo=JN88EF\r\nPBand=1.3 GHz\r\n[QSORecords;1]\r\n"
       "240907;1405;OK1XYZ;1;59;001;59;002;;JN79AA;1;;;;\r\n",
       "EDI"},
      {"<call:6>OK1XYZ <band:3>20m <gridsquare:4>JN79 <eor>\n", "ADIF"},
      {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><ADX><RECORDS><RECORD><CALL>OK1XYZ</CALL>"
       "<BAND>20m</BAND><GRIDSQUARE>JN79</GRIDSQUARE></RECORD></RECORDS></ADX>",
       "ADX"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    const std::string content = "\xEF\xBB\xBF" + c.content;
    for (const ContestLog& log :
         {ReadLogText(content), ReadLogFile(dir.Write("log", content), "")}) {
      EXPECT_EQ(log.format, c.format);
      ASSERT_EQ(log.qsos.size(), 1u);
      EXPECT_EQ(log.qsos[0].callSign, "OK1XYZ");
      EXPECT_TRUE(log.warnings.empty());
    }
  }
}

TEST(ReadLogText, OtherEncodingsAndFilesAreRefusedByName) {
  struct Case {
    std::string content, error;
  } cases[] = {
      {std::string("\xFF\xFE\0\0S\0\0\0", 8),
       "the file is written in UTF-32 (little-endian), which the scorer does not read; save the "
       "log as UTF-8"},
      {std::string("\0\0\xFE\xFF\0\0\0S", 8),
       "the file is written in UTF-32 (big-endian), which the scorer does not read; save the log "
       "as UTF-8"},
      {"\x2B\x2F\x76\x38START-OF-LOG",
       "the file is written in UTF-7, which the scorer does not read; save the log as UTF-8"},
      {Utf16(kCabrillo, false).substr(2),
       "not a log: the file is UTF-16 text without a byte-order mark (save it as UTF-8)"},
      {Utf16(kCabrillo, true).substr(2),
       "not a log: the file is UTF-16 text without a byte-order mark (save it as UTF-8)"},
      {std::string("PK\x03\x04\x14\0\0\0", 8),
       "not a log: the file is a ZIP archive (unpack it first)"},
      {"\x1F\x8B\x08\x00", "not a log: the file is a gzip-compressed file (unpack it first)"},
      {std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0",
                   10),
       "not a log: the file is binary data, not text"},
      {"Dear contest manager,\nplease find my log attached.\n",
       "not a log: no Cabrillo START-OF-LOG:, no EDI [REG1TEST;1], no ADIF tags, no ADX document "
       "and no SQLite database"},
      {std::string("SQLite format 3\0", 16),
       "an SQLite log is read from its file, not from standard input"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    try {
      ReadLogText(c.content);
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}

TEST(ReadLogFile, EveryKindByItsContent) {
  const TempDir dir;
  struct Case {
    std::string name, content, format;
  } cases[] = {
      {"a.txt", kCabrillo, "Cabrillo"},
      {"b.log", "<call:6>DL1ABC <band:3>20m <eor>", "ADIF"},
      {"c.adi",
       "<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>DL1ABC</CALL><BAND>20m</BAND>"
       "</RECORD></RECORDS></ADX>",
       "ADX"},
      {"d",
       "[REG1TEST;1]\nPBand=144 MHz\n[QSORecords;1]\n240907;1405;OE5XYZ;1;59;001;59;002;;"
       "JN78DH;1\n",
       "EDI"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ContestLog log = ReadLogFile(dir.Write(c.name, c.content), "");
    EXPECT_EQ(log.format, c.format);
    EXPECT_EQ(log.qsos.size(), 1u);
  }
}

// A pipe has no size: its content comes whole through the spool, however it arrives.
TEST(ReadLogFile, ReadsAPipeWhole) {
  const TempDir dir;
  const std::string fifo = dir.Path("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string content;
  for (int i = 0; i < 20000; ++i) {
    content += "<call:6>DL1ABC <band:3>20m <eor>\n";
  }
  std::thread writer([&]() { std::ofstream(fifo, std::ios::binary) << content; });
  const ContestLog log = ReadLogFile(fifo, "");  // nothing of it lost to telling its kind
  writer.join();
  EXPECT_EQ(log.qsos.size(), 20000u);
  EXPECT_TRUE(log.warnings.empty());
  EXPECT_FALSE(IsSqliteFile(dir.Write("empty", "")));
}

// A file larger than the head its kind is told from reads as its text does, whichever way it is
// read: ADIF in pieces, any other kind, encoding or line end whole.
TEST(ReadLogFile, ALargeFileReadsAsItsText) {
  std::string adif = "<eoh>\n";
  std::string cabrillo = "START-OF-LOG: 3.0\n";
  for (int i = 0; i < 5000; ++i) {
    adif += "<call:6>DL1ABC <band:3>20m <gridsquare:4>JO" + std::to_string(10 + i % 90) +
            (i % 1000 ? " <eor>\n" : " <band:3>11m <eor>\n");
    cabrillo += "QSO: 14074 DG 2025-08-30 1200 DL1ABC JO31 OK1XYZ JN79\n";
  }
  std::string crOnly = adif;
  for (char& c : crOnly) {
    c = c == '\n' ? '\r' : c;
  }
  const TempDir dir;
  // Where an LF comes only after the head, LF ends the lines, and CR alone none.
  const std::string lateLf = crOnly + "\n<call:5>EA8AA <band:3>11m <eor>\n";
  for (const std::string& content :
       {adif, crOnly, lateLf, "\xEF\xBB\xBF" + adif, Utf16(adif, false), cabrillo}) {
    SCOPED_TRACE(content.substr(0, 10));
    ASSERT_GT(content.size(), 70000u);
    const ContestLog log = ReadLogFile(dir.Write("large", content), "");
    const ContestLog text = ReadLogText(content);
    ASSERT_EQ(log.qsos.size(), text.qsos.size());
    EXPECT_EQ(log.qsos[log.qsos.size() - 1].line, text.qsos[text.qsos.size() - 1].line);
    EXPECT_EQ(log.qsos[log.qsos.size() - 1].exchange, text.qsos[text.qsos.size() - 1].exchange);
    ASSERT_EQ(log.warnings.size(), text.warnings.size());
    for (std::size_t i = 0; i < log.warnings.size(); ++i) {
      EXPECT_EQ(log.warnings[i].line, text.warnings[i].line);
    }
  }
}
