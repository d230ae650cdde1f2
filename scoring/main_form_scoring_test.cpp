#include "scoring/main_form_scoring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "testing/fake_calc_dist.h"

namespace {
class FakeMap : public LocatorMapView {
 public:
  void SelectBand(int index) override { selected.push_back(index); }
  std::vector<int> selected;
};

class ScoringTest : public testing::Test {
 protected:
  ScoringTest() : scoring(data, sink, [this] { return mapOpen ? &map : nullptr; }) {
    data.OwnLocator.Write("JO31AB");
    scoring.CalcDist = component;
  }

  // Sets the QSO fields the way a host record carries them.
  void Qso(const std::string& call, const std::string& band, const std::string& mode,
           const std::string& report, const std::string& probe = "") {
    data.CallSign.Write(call);
    data.DigiBand.Write(band);
    data.QSOMode.Write(mode);
    data.QSOReportRecived.Write(report);
    data.ProbeLocator.Write(probe);
  }

  TContestData data{};
  StringSink sink;
  FakeMap map;
  bool mapOpen = false;
  std::shared_ptr<FakeCalcDist> component = std::make_shared<FakeCalcDist>();
  MainFormScoring scoring;
};
}  // namespace

TEST_F(ScoringTest, RecordModeEntersTheQsoAndReturnsItsDistancePoints) {
  component->distance = 1500;
  Qso("DL1AB", "14", "CW", "599 ko85");
  EXPECT_EQ(scoring.ScoreQSO(true), 35);

  ASSERT_EQ(scoring.BandStats.Entries().size(), 1u);
  const TStatistic& band = scoring.BandStats.Entries()[0];
  EXPECT_EQ(band.Band, "14");
  EXPECT_EQ(band.QSOs, 1);
  EXPECT_EQ(band.Points, 35);
  EXPECT_EQ(band.NewLoc, 1);
  EXPECT_EQ(scoring.WorkedFields.Keys(), std::vector<std::string>{"14KO"});
  EXPECT_EQ(scoring.WorkedList.Count(), 1u);
  EXPECT_EQ(scoring.LastDistance, 1500);
  // Own square cut to four characters, then the worked square upper-cased.
  EXPECT_EQ(component->coordCalls,
            (std::vector<std::wstring>{L"A:JO31", L"B:JO31", L"A:KO85", L"B:KO85"}));
}

TEST_F(ScoringTest, RecordModeCountsAFieldOncePerBandText) {
  struct Step {
    const char *call, *band, *report;
    int newLocOfBand;
  } steps[] = {
      {"A1", "14", "KO85", 1}, {"A2", "14", "ko11", 1}, {"A3", "7", "KO85", 1},
      {"A4", "14", "JO31", 2}, {"A5", "14 ", "KO85", 1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.call);
    Qso(s.call, s.band, "CW", s.report);
    scoring.ScoreQSO(true);
    EXPECT_EQ(scoring.BandStats.FindOrAdd(s.band).NewLoc, s.newLocOfBand);
  }
  EXPECT_EQ(scoring.BandStats.Entries().size(), 3u);  // "14", "7", "14 " in first appearance
  EXPECT_EQ(scoring.BandStats.Entries()[2].Band, "14 ");
}

TEST_F(ScoringTest, RecordModeWithoutASquareCountsTheQsoWithNoPoints) {
  Qso("DL1AB", "14", "CW", "599 001");
  EXPECT_EQ(scoring.ScoreQSO(true), 0);
  const TStatistic& band = scoring.BandStats.Entries().at(0);
  EXPECT_EQ(band.QSOs, 1);
  EXPECT_EQ(band.Points, 0);
  EXPECT_EQ(band.NewLoc, 0);
  EXPECT_TRUE(component->coordCalls.empty());
}

TEST_F(ScoringTest, ADuplicateChangesNothingInEitherMode) {
  Qso("DL1AB", "14", "CW", "KO85", "KO85");
  ASSERT_EQ(scoring.ScoreQSO(true), 31);
  scoring.LastDistance = 7;
  component->coordCalls.clear();

  EXPECT_EQ(scoring.ScoreQSO(false), -1);
  EXPECT_EQ(scoring.ScoreQSO(true), -1);
  EXPECT_EQ(scoring.WorkedList.Count(), 1u);
  EXPECT_EQ(scoring.BandStats.Entries().at(0).QSOs, 1);
  EXPECT_EQ(scoring.LastDistance, 7);
  EXPECT_TRUE(component->coordCalls.empty());
}

TEST_F(ScoringTest, ProbeModeAddsTheBonusForANewKeyAndEntersNothing) {
  struct Case {
    const char* probe;
    int points;
    bool distanceAsked;
  } cases[] = {
      {"KO85", 131, true},   // new field: points plus 100
      {"JO31", 31, true},    // worked on this band in record mode below
      {"jo31", 31, true},    // the key is found whatever its case
      {"", 100, false},      // no square; the key "14" alone is never held
      {" JO31", 100, false}, // leading blank: too short once trimmed, and " J" is no worked key
      {"JO3", 0, false},     // too short for a square, and the field JO is worked already
  };
  Qso("OK1X", "14", "CW", "JO31");
  scoring.ScoreQSO(true);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.probe);
    component->distanceCalls = 0;
    Qso("DL1AB", "14", "CW", "", c.probe);
    EXPECT_EQ(scoring.ScoreQSO(false), c.points);
    EXPECT_EQ(component->distanceCalls, c.distanceAsked ? 1 : 0);
  }
  EXPECT_EQ(scoring.WorkedList.Count(), 1u);
  EXPECT_EQ(scoring.WorkedFields.Keys().size(), 1u);
}

TEST_F(ScoringTest, ProbeModeSendsTheSquareAsTheHostGaveIt) {
  Qso("DL1AB", "14", "CW", "", "ko85xx");
  scoring.ScoreQSO(false);
  EXPECT_EQ(component->coordCalls.back(), L"B:ko85");
}

TEST_F(ScoringTest, AFailingComponentLeavesWhatRecordModeHadDone) {
  component->failLocator = L"KO85";
  Qso("DL1AB", "14", "CW", "KO85");
  try {
    scoring.ScoreQSO(true);
    FAIL() << "no exception";
  } catch (const EOleException& e) {
    EXPECT_STREQ(e.what(), "Bad locator");
    EXPECT_EQ(e.Code(), FakeCalcDist::kFailure);
  }
  EXPECT_EQ(scoring.WorkedList.Count(), 1u);
  const TStatistic& band = scoring.BandStats.Entries().at(0);
  EXPECT_EQ(band.NewLoc, 1);
  EXPECT_EQ(band.QSOs, 0);
  EXPECT_EQ(scoring.LastDistance, 0);
  EXPECT_TRUE(scoring.WorkedFields.Contains("14KO"));
}

TEST_F(ScoringTest, WithoutAComponentADistanceIsAClearError) {
  scoring.CalcDist.reset();
  Qso("DL1AB", "14", "CW", "KO85", "KO85");
  EXPECT_THROW(
      {
        try {
          scoring.ScoreQSO(false);
        } catch (const EOleException& e) {
          EXPECT_STREQ(e.what(), "Distance component is not available");
          throw;
        }
      },
      EOleException);
  Qso("DL1AB", "14", "CW", "599");  // no square: no distance needed, so it scores
  EXPECT_EQ(scoring.ScoreQSO(true), 0);
}

TEST_F(ScoringTest, ADistanceThatIsNoNumberScoresNothing) {
  component->distance = std::numeric_limits<float>::quiet_NaN();
  Qso("DL1AB", "14", "CW", "KO85");
  EXPECT_EQ(scoring.ScoreQSO(true), 0);
  EXPECT_EQ(scoring.BandStats.Entries().at(0).QSOs, 1);
}

TEST_F(ScoringTest, DistanceIsRoundedHalfToEvenBeforeTheTable) {
  struct Case {
    float km;
    int points;
  } cases[] = {{1000.5f, 31}, {1001.5f, 35}, {2000.5f, 35}, {20000.5f, 62}, {-3, 0}};
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.km);
    component->distance = c.km;
    Qso("CALL" + std::to_string(n++), "14", "CW", "KO85");
    EXPECT_EQ(scoring.ScoreQSO(true), c.points);
  }
}

TEST_F(ScoringTest, CreatingTheComponentSetsTheOwnCoordinatesFromTheWholeLocator) {
  scoring.CreateDistanceComponent([]() -> std::shared_ptr<_CalcDistClass> {
    return std::make_shared<FakeCalcDist>();
  });
  ASSERT_NE(scoring.CalcDist, nullptr);
  EXPECT_EQ(scoring.OwnCoordA, 6);  // the fake answers the locator's length
  EXPECT_EQ(scoring.OwnCoordB, 6);

  // A failed creation is swallowed; the own coordinates then need the missing component.
  EXPECT_THROW(scoring.CreateDistanceComponent([]() -> std::shared_ptr<_CalcDistClass> {
    throw std::runtime_error("class not registered");
  }),
               EOleException);
  EXPECT_EQ(scoring.CalcDist, nullptr);
}

TEST_F(ScoringTest, FollowBandMovesAnOpenMapToTheTrimmedBand) {
  struct Case {
    const char* band;
    std::vector<int> selected;
  } cases[] = {{" 14 ", {5}}, {"1.8", {1}}, {"10", {4}}, {"50", {}}, {"", {}}};
  mapOpen = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.band);
    map.selected.clear();
    data.DigiBand.Write(c.band);
    scoring.FollowBand();
    EXPECT_EQ(map.selected, c.selected);
  }
  mapOpen = false;
  map.selected.clear();
  Qso("DL1AB", "14", "CW", "599");
  scoring.ScoreQSO(true);
  EXPECT_TRUE(map.selected.empty());
}

TEST_F(ScoringTest, ShowStatisticWritesTheReportToTheSink) {
  Qso("DL1AB", "7", "CW", "KO85");
  scoring.ScoreQSO(true);
  scoring.ShowStatistic();
  EXPECT_EQ(sink.text,
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "    7\t    1\t   31\t    1\r\n"
            "Total\t    1\t   31\t    1\r\n"
            " Score: 31 + (1 * 100) =131");
}

TEST_F(ScoringTest, TearDownLeavesEmptyButUsableState) {
  Qso("DL1AB", "7", "CW", "KO85");
  scoring.ScoreQSO(true);
  scoring.TearDown();
  EXPECT_EQ(scoring.WorkedList.Count(), 0u);
  EXPECT_TRUE(scoring.BandStats.Entries().empty());
  EXPECT_EQ(scoring.ScoreQSO(true), 31);  // the same QSO is no duplicate any more
}
