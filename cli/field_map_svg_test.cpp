#include "cli/field_map_svg.h"

#include <gtest/gtest.h>

namespace {
ScoredLog Scored(std::vector<TStatistic> bands, std::vector<std::string> keys) {
  ScoredLog scored;
  scored.file = "test.log";
  scored.log.stationCall = "DL1A<B>";
  scored.score.ownLocators = {"JO31"};
  scored.score.bands = std::move(bands);
  scored.score.fieldKeys = std::move(keys);
  for (const TStatistic& band : scored.score.bands) {
    scored.score.points += band.Points;
    scored.score.newFields += band.NewLoc;
  }
  scored.score.score = scored.score.points + 100 * scored.score.newFields;
  return scored;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) {
    ++count;
  }
  return count;
}
}  // namespace

TEST(FieldMapSvg, OneGridPerBandWithTheWorkedFieldsFilled) {
  const std::string svg = FieldMapSvg(Scored({{"14", 3, 90, 2}, {"50", 1, 31, 1}, {"7", 1, 31, 1}},
                                             {"14JO", "14AR", "50RA", "7KO"}));
  // The nine bands in their order, others after them.
  const std::size_t band7 = svg.find("Band 7: 1 field, 1 QSO");
  const std::size_t band14 = svg.find("Band 14: 2 fields, 3 QSOs");
  const std::size_t band50 = svg.find("Band 50: 1 field, 1 QSO");
  ASSERT_NE(band7, std::string::npos);
  ASSERT_NE(band14, std::string::npos);
  ASSERT_NE(band50, std::string::npos);
  EXPECT_LT(band7, band14);
  EXPECT_LT(band14, band50);
  EXPECT_EQ(Count(svg, "class=\"worked\""), 4u);
  EXPECT_EQ(Count(svg, "class=\"field\""), 3u * 324 - 4);
  EXPECT_EQ(Count(svg, "class=\"own\""), 3u);
  EXPECT_NE(svg.find("DL1A&lt;B&gt; from JO31: score 552 (152 points + 4 fields x 100); own field "
                     "framed in red"),
            std::string::npos);
  EXPECT_EQ(svg.find("DL1A<B>"), std::string::npos);
}

TEST(FieldMapSvg, LaidOutAsTheLocatorMap) {
  const std::string svg = FieldMapSvg(Scored({{"14", 1, 31, 1}}, {"14AR"}));
  // Column A at the left, row R at the top: AR is the first cell, RA the last.
  const std::size_t first = svg.find(">AR</text>");
  const std::size_t second = svg.find(">AQ</text>");
  const std::size_t last = svg.find(">RA</text>");
  ASSERT_NE(first, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, last);
  // AR sits left of BR at the same height, above AQ at the same column.
  EXPECT_NE(svg.find("<rect x=\"26\" y=\"56\" width=\"20\" height=\"20\" class=\"worked\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("<rect x=\"46\" y=\"56\" width=\"20\" height=\"20\" class=\"field\"/>"),
            std::string::npos);
  EXPECT_NE(svg.find("<rect x=\"26\" y=\"76\" width=\"20\" height=\"20\" class=\"field\"/>"),
            std::string::npos);
  EXPECT_NE(FieldMapSvg(Scored({}, {})).find("No QSOs"), std::string::npos);
}
