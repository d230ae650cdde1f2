#include "logfiles/recorded_log.h"

#include <gtest/gtest.h>

#include "distance/geometry_distance.h"

namespace {
std::shared_ptr<DistanceComponent> CreateGeometry() {
  return std::make_shared<GeometryDistance>();
}
}  // namespace

// From JO31: JO62 is 425 km away (31 points), KO85 2017 km (38 points).
TEST(RecordedLog, TalliesWhatTheEngineCounted) {
  RecordedLog log(CreateGeometry());
  struct {
    const char* call;
    const char* band;
    const char* exchange;
    bool duplicate;
    int points;
    bool newField;
  } const qsos[] = {
      {"A1A", "14", "599 JO62", false, 31, true},
      {"A1A", "14", "599 KO85", true, 0, false},
      {"B1B", "14", "599 KO85", false, 38, true},
      {"C1C", "7", "599 jo62", false, 31, true},  // the field again, new on its band
      {"D1D", "7", "599", false, 0, false},
  };
  for (const auto& q : qsos) {
    SCOPED_TRACE(q.call);
    const QsoResult result = log.Record(RecordedQso(q.call, q.band, "CW", q.exchange), "JO31LK");
    EXPECT_EQ(result.duplicate, q.duplicate);
    EXPECT_EQ(result.points, q.points);
    EXPECT_EQ(result.newField, q.newField);
  }
  const ScoreTally tally = log.Tally();
  EXPECT_EQ(tally.qsos, 4);
  EXPECT_EQ(tally.points, 31 + 38 + 31);
  EXPECT_EQ(tally.fields, 3);
  EXPECT_EQ(tally.score, 100 + 3 * 100);
}

TEST(RecordedLog, RecordsTheTextsAHostRecordHolds) {
  const std::string longText(300, 'A');
  const Qso qso = RecordedQso(longText, longText, longText, longText);
  for (const std::string* text : {&qso.callSign, &qso.band, &qso.mode, &qso.reportReceived}) {
    EXPECT_EQ(*text, longText.substr(0, 255));
  }
  RecordedLog log(CreateGeometry());
  log.Record(RecordedQso(longText, "14", "CW", "599"), "JO31");
  // The calls differ only past what a record holds.
  EXPECT_TRUE(log.Record(RecordedQso(longText + "B", "14", "CW", "599"), "JO31").duplicate);
}

TEST(RecordedLog, StartingAsThePlugInDoesMeasuresTheOwnLocatorAtOnce) {
  EXPECT_NO_THROW(RecordedLog(&CreateGeometry, "JO31"));
  EXPECT_THROW(RecordedLog(&CreateGeometry, "ZZ99"), EOleException);
  EXPECT_NO_THROW(RecordedLog{CreateGeometry()});  // measures nothing before a QSO
}
