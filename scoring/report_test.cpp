#include "scoring/report.h"

#include <gtest/gtest.h>

TEST(PadLeft, FillsToTheWidthAndNeverCuts) {
  struct Case {
    std::string text;
    int width;
    std::string filler, out;
  } cases[] = {
      {"7", 5, " ", "    7"},       {"1.8", 5, " ", "  1.8"}, {"12345", 5, " ", "12345"},
      {"123456", 5, " ", "123456"}, {"", 3, " ", "   "},      {"x", 3, "ab", "ababx"},
      {"x", -4, " ", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PadLeft(c.text, c.width, c.filler), c.out);
  }
}

TEST(StatisticReport, WorkedExample) {
  const std::vector<TStatistic> bands = {{"14", 3, 120, 2}, {"7", 1, 31, 1}};
  EXPECT_EQ(StatisticReport(bands),
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "   14\t    3\t  120\t    2\r\n"
            "    7\t    1\t   31\t    1\r\n"
            "Total\t    4\t  151\t    3\r\n"
            " Score: 151 + (3 * 100) =451");
}

TEST(StatisticReport, EmptyReport) {
  EXPECT_EQ(StatisticReport({}),
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "Total\t    0\t    0\t    0\r\n"
            " Score: 0 + (0 * 100) =0");
}

TEST(StatisticReport, CellsAndBandsAsTheyStand) {
  const std::vector<TStatistic> bands = {{"", 1, 123456, 1}, {"14 ", 1, 0, 0}, {"14", 1, 0, 0}};
  EXPECT_EQ(StatisticReport(bands),
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "     \t    1\t123456\t    1\r\n"
            "  14 \t    1\t    0\t    0\r\n"
            "   14\t    1\t    0\t    0\r\n"
            "Total\t    3\t123456\t    1\r\n"
            " Score: 123456 + (1 * 100) =123556");
}
