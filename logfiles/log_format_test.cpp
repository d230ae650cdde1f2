#include "logfiles/log_format.h"

#include <gtest/gtest.h>

#include <string>

TEST(DetectFormat, FromTheContentAlone) {
  struct Case {
    std::string content;
    LogFormat format;
  } cases[] = {
      {std::string("SQLite format 3\0\x10\x00", 18), LogFormat::kSqlite},
      {"START-OF-LOG: 3.0\nCALLSIGN: DL1ABC\n", LogFormat::kCabrillo},
      {"\xEF\xBB\xBFstart-of-log: 3.0\r\n", LogFormat::kCabrillo},
      {"\n\n   START-OF-LOG:3.0\n", LogFormat::kCabrillo},
      {"CREATED-BY: x\rSTART-OF-LOG: 3.0\rQSO: 14074\r", LogFormat::kCabrillo},  // CR-only
      {"[REG1TEST;1]\r\nTName=Test\r\n", LogFormat::kEdi},
      {"\xEF\xBB\xBF[reg1test;1]\n", LogFormat::kEdi},
      {"[REGITEST;1]\r\nTName=Concurs\r\n", LogFormat::kEdi},  // a misspelling many write
      {"\r\n [regitest;1]\r\n", LogFormat::kEdi},
      {"[REG2TEST;1]\r\n", LogFormat::kUnknown},
      {"<?xml version=\"1.0\"?>\n<ADX><RECORDS/></ADX>", LogFormat::kAdx},
      {"  <ADX>\n<HEADER></HEADER>", LogFormat::kAdx},
      {"ADIF export\n<adif_ver:5>3.1.0\n<EOH>\n", LogFormat::kAdif},
      {"<call:6>DL1ABC <band:3>20m <eor>\n", LogFormat::kAdif},
      {"<CALL:6:S>DL1ABC", LogFormat::kAdif},
      {"header without tags <eoh>", LogFormat::kAdif},
      {"SOAPBOX: <call:6> is no Cabrillo start", LogFormat::kAdif},
      {"", LogFormat::kUnknown},
      {"Dear contest manager,\nplease find my log attached.\n", LogFormat::kUnknown},
      {"<html><body>START-OF-LOG: in a page</body></html>", LogFormat::kUnknown},
      {"<call:>x <:5>", LogFormat::kUnknown},
      {"SQLite format 3", LogFormat::kUnknown},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    EXPECT_EQ(DetectFormat(c.content), c.format);
  }
}
