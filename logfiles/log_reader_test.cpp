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

namespace {
// A Cyrillic call and name of a log in cp1251, in UTF-8 and as the log's bytes.
const std::string kCall = "РА3ДЕФ";
const std::string kCallCp1251 = "\xD0\xC0\x33\xC4\xC5\xD4";
const std::string kName = "Иван";
const std::string kNameCp1251 = "\xC8\xE2\xE0\xED";

std::string Adx(const std::string& declaration, const std::string& call, const std::string& name) {
  return declaration + "<ADX><RECORDS><RECORD><NAME>" + name + "</NAME><CALL>" + call +
         "</CALL><BAND>2m</BAND><GRIDSQUARE>KO85</GRIDSQUARE></RECORD></RECORDS></ADX>";
}
}  // namespace

// A log in a single-byte code page reads as it did without one named; with its code page named,
// its texts become UTF-8, and an ADIF length still counts the log's bytes. A UTF-8 log stays as it
// is, and an ADX document that declares its encoding is read as it declares.
TEST(ReadLogText, ALogInACodePageIsReadInTheCodePageNamed) {
  const std::optional<CodePage> cp1251 = CodePage::Named("cp1251");
  const std::optional<CodePage> cp1250 = CodePage::Named("cp1250");
  const std::string cabrillo = "START-OF-LOG: 3.0\nNAME: " + kNameCp1251 +
                               "\nQSO: 144 PH 2024-09-07 1405 UA3ABC 59 001 KO85TS " + kCallCp1251 +
                               " 59 002 KO85UT\nEND-OF-LOG:\n";
  const std::string edi = "[REG1TEST;1]\r\nPCall=UA3ABC\r\nRName=" + kNameCp1251 +
                          "\r\nPWWLo=KO85TS\r\nPBand=144 MHz\r\n[QSORecords;1]\r\n240907;1405;" +
                          kCallCp1251 + ";1;59;001;59;002;;KO85UT;1;;;;\r\n";
  const std::string adif = "<name:4>" + kNameCp1251 + " <call:6>" + kCallCp1251 +
                           " <band:2>2m <gridsquare:4>KO85 <eor>\n";
  const std::string declared = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
  struct Case {
    std::string label, content;
    std::optional<CodePage> codePage;
    std::string call;  // what the QSO's call reads
  } cases[] = {
      {"Cabrillo", cabrillo, std::nullopt, kCallCp1251},
      {"Cabrillo in cp1251", cabrillo, cp1251, kCall},
      {"EDI", edi, std::nullopt, kCallCp1251},
      {"EDI in cp1251", edi, cp1251, kCall},
      {"ADIF", adif, std::nullopt, kCallCp1251},
      {"ADIF in cp1251", adif, cp1251, kCall},
      {"ADX in cp1251", Adx("", kCallCp1251, kNameCp1251), cp1251, kCall},
      {"ADX declared", Adx(declared, kCallCp1251, kNameCp1251), std::nullopt, kCall},
      {"ADX declared, another named", Adx(declared, kCallCp1251, kNameCp1251), cp1250, kCall},
      {"ADX in KOI8-R",
       Adx("<?xml version=\"1.0\" encoding=\"KOI8-R\"?>", "\xF2\xE1\x33\xE4\xE5\xE6", ""),
       std::nullopt, kCall},
      {"Cabrillo in UTF-8",
       "START-OF-LOG: 3.0\nQSO: 144 PH 2024-09-07 1405 UA3ABC 59 001 KO85TS " + kCall +
           " 59 002 KO85UT\nEND-OF-LOG:\n",
       cp1251, kCall},
      {"ADX in UTF-8", Adx("", kCall, kName), cp1251, kCall},
      // UTF-16 names its own encoding: its characters stay as they are read without a code page.
      {"UTF-16",
       Utf16("START-OF-LOG: 3.0\nQSO: 144 PH 2024-09-07 1405 UA3ABC 59 001 KO85TS DL\xFCX 59 002 "
             "KO85UT\nEND-OF-LOG:\n",
             false),
       cp1251, "DL\xFCX"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const ContestLog log = ReadLogText(c.content, c.codePage);
    ASSERT_EQ(log.qsos.size(), 1u);
    EXPECT_EQ(log.qsos[0].callSign, c.call);
    EXPECT_TRUE(log.warnings.empty());
  }
  // Without its code page an ADX document that declares none is no UTF-8 XML, as before.
  const ContestLog lost = ReadLogText(Adx("", kCallCp1251, kNameCp1251));
  EXPECT_TRUE(lost.qsos.empty());
  EXPECT_TRUE(lost.cutShort);
}

// Warnings and errors quote the log: in its code page's characters too.
TEST(ReadLogText, WarningsAndErrorsQuoteTheLogInItsCodePage) {
  const std::optional<CodePage> cp1251 = CodePage::Named("cp1251");
  const ContestLog log = ReadLogText(
      "<call:6>UA3ABC <band:3>\xC4\xE2\xE0 <eor>\n<call:6>UA3ABD <band:2>2m <eor>\n", cp1251);
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].message, "band 'Два' is no amateur band; skipped");
  try {
    ReadLogText("[REG1TEST;1]\nPBand=144 \xCC\xC3\xF6\n[QSORecords;1]\n", cp1251);
    ADD_FAILURE() << "no error";
  } catch (const LogError& error) {
    EXPECT_EQ(error.Line(), 2);
    EXPECT_EQ(std::string(error.what()), "PBand '144 МГц' names no amateur band");
  }
}

// A large ADIF file, read in pieces, is made UTF-8 as a text read whole is.
TEST(ReadLogFile, ALargeLogInACodePage) {
  std::string adif;
  for (int i = 0; i < 2000; ++i) {
    adif += "<name:4>" + kNameCp1251 + " <call:6>" + kCallCp1251 +
            " <band:2>2m <gridsquare:4>KO85 <comment:40>" + std::string(40, '\xE0') + " <eor>\n";
  }
  ASSERT_GT(adif.size(), 70000u);
  const TempDir dir;
  const ContestLog log = ReadLogFile(dir.Write("large.adi", adif), "", CodePage::Named("cp1251"));
  ASSERT_EQ(log.qsos.size(), 2000u);
  EXPECT_EQ(log.qsos[1999].callSign, kCall);
}

// Read for scoring, a log of any kind, whole or in pieces, in a code page or not, holds every QSO
// as a full reading does but its reports, serials and duplicate mark.
TEST(ReadLogFile, ForScoringEveryKindLeavesOutOnlyTheReportsAndSerials) {
  const std::string adifRecord =
      "<call:6>" + kCallCp1251 +
      " <band:2>2m <gridsquare:6>KO85UT <rst_sent:2>59 <rst_rcvd:2>57 <stx:3>001 "
      "<srx_string:3>002 <qso_date:8>20240907 <time_on:4>1405 <my_gridsquare:6>KO85TS <eor>\n";
  std::string largeAdif;
  for (int i = 0; i < 1000; ++i) {
    largeAdif += adifRecord;
  }
  ASSERT_GT(largeAdif.size(), 70000u);
  struct Case {
    std::string label, content;
    std::optional<CodePage> codePage;
  } cases[] = {
      {"Cabrillo",
       "START-OF-LOG: 3.0\nQSO: 144 PH 2024-09-07 1405 UA3ABC 59 001 KO85TS OK1XYZ 57 002 "
       "KO85UT\nQSO: 144 PH 2024-09-07 1406 UA3ABC 59 002 KO85TS OK1XYY 57 009 KO85UU\n"
       "END-OF-LOG:\n",
       std::nullopt},
      {"EDI",
       "[REG1TEST;1]\r\nPCall=UA3ABC\r\nPWWLo=KO85TS\r\nPBand=144 MHz\r\n[QSORecords;2]\r\n"
       "240907;1405;OK1XYZ;1;59;001;57;002;;KO85UT;1;;;;\r\n"
       "240907;1406;OK1XYZ;1;59;002;57;003;;KO85UT;0;;;;D\r\n",
       std::nullopt},
      {"ADIF", adifRecord + adifRecord, std::nullopt},
      {"ADX",
       "<ADX><RECORDS><RECORD><CALL>OK1XYZ</CALL><BAND>2m</BAND><RST_SENT>59</RST_SENT>"
       "<SRX>7</SRX></RECORD></RECORDS></ADX>",
       std::nullopt},
      {"ADIF in pieces, in cp1251", largeAdif, CodePage::Named("cp1251")},
  };
  const TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const std::string path = dir.Write("log", c.content);
    const ContestLog full = ReadLogFile(path, "", c.codePage);
    const ContestLog scoring = ReadLogFile(path, "", c.codePage, QsoDetail::kScoring);
    ASSERT_FALSE(full.qsos.empty());
    EXPECT_NE(ExchangeOf(full.qsos[0]), Exchange{});
    ExpectScoringListOf(scoring.qsos, full.qsos);
    EXPECT_EQ(scoring.warnings.size(), full.warnings.size());
  }
  // The host's table holds no reports: a list for scoring all the same.
  const std::string db = MakeDatabase(
      dir.Path("log.db"), {CreateLogTable("QsoLog"),
                           "INSERT INTO QsoLog VALUES ('JO31', 'OK', 'OK', 'OK1XYZ', '14', 'FT8', "
                           "'eu')"});
  const ContestLog full = ReadLogFile(db, "");
  ASSERT_EQ(full.qsos.size(), 1u);
  ExpectScoringListOf(ReadLogFile(db, "", std::nullopt, QsoDetail::kScoring).qsos, full.qsos);
}
