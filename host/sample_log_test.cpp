#include "host/sample_log.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "scoring/band_names.h"

namespace {

bool HasLowerCaseLetter(const std::string& text) {
  for (char c : text) {
    if (c >= 'a' && c <= 'z') {
      return true;
    }
  }
  return false;
}

std::vector<std::string> Texts(const std::vector<LogRow>& log) {
  std::vector<std::string> texts;
  for (const LogRow& row : log) {
    for (const std::string* value : ColumnValues(row)) {
      texts.push_back(*value);
    }
  }
  return texts;
}

TEST(SampleLog, IsTheSameEveryTime) {
  EXPECT_EQ(Texts(SampleLog()), Texts(SampleLog()));
}

TEST(SampleLog, ShowsEveryKindOfQSOItIsMeantTo) {
  const std::vector<LogRow> log = SampleLog();
  EXPECT_GE(log.size(), 200u);
  EXPECT_LE(log.size(), 500u);

  std::set<std::tuple<std::string, std::string, std::string>> seen;
  std::set<std::string> bands, modes;
  int duplicates = 0, withoutDigits = 0, lowerCase = 0;
  for (const LogRow& row : log) {
    duplicates += seen.insert({row.CallSign, row.DigiBand, row.QSOMode}).second ? 0 : 1;
    bands.insert(row.DigiBand);
    modes.insert(row.QSOMode);
    lowerCase += HasLowerCaseLetter(row.QSOReportRecived) ? 1 : 0;
    withoutDigits += row.QSOReportRecived.find_first_of("ABCDEFGHIJKLMNOPQRabcdefghijklmnopqr") ==
                             std::string::npos
                         ? 1
                         : 0;
  }
  EXPECT_GE(duplicates, 3);
  EXPECT_GE(lowerCase, 10);
  EXPECT_GE(withoutDigits, 10);  // reports that carry no square
  for (const char* band : BandNames) {
    EXPECT_EQ(bands.count(band), 1u) << band;
  }
  EXPECT_EQ(bands.count("50"), 1u);
  EXPECT_EQ(modes, (std::set<std::string>{"CW", "FT4", "FT8", "RTTY", "SSB"}));
}

TEST(SampleLog, GrowsToAnySizeInTheSameProportions) {
  for (const int rows : {0, 1, 2, 326, 10000}) {
    SCOPED_TRACE(rows);
    EXPECT_EQ(SampleLog(rows).size(), static_cast<std::size_t>(rows));
  }
  EXPECT_EQ(Texts(SampleLog(static_cast<int>(SampleLog().size()))), Texts(SampleLog()));

  // As many stations per QSO as in the small log: the calls vary, a few QSOs in a hundred repeat.
  const std::vector<LogRow> log = SampleLog(10000);
  std::set<std::string> calls;
  std::set<std::tuple<std::string, std::string, std::string>> seen;
  int duplicates = 0;
  for (const LogRow& row : log) {
    calls.insert(row.CallSign);
    duplicates += seen.insert({row.CallSign, row.DigiBand, row.QSOMode}).second ? 0 : 1;
  }
  EXPECT_GE(calls.size(), 3000u);
  EXPECT_GE(duplicates, 200);
  EXPECT_LE(duplicates, 1000);
}

}  // namespace
