#include "scoring/scoring_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "testing/fake_distance_component.h"

namespace {
class ScoringTest : public testing::Test {
 protected:
  ScoringTest() { scoring.CalcDist = component; }

  // The QSO scored next.
  void Qso(const std::string& call, const std::string& band, const std::string& mode,
           const std::string& report, const std::string& probe = "") {
    qso = {call, band, mode, report, probe};
  }

  // What _AddQSO and _GetScore answer for the QSO.
  std::int32_t Record() {
    return RecordAnswer(scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record));
  }
  std::int32_t Probe() { return ProbeAnswer(scoring.ScoreQSO(qso, ownLocator, ScoreMode::Probe)); }

  ::Qso qso;
  std::string ownLocator = "JO31AB";
  std::shared_ptr<FakeDistanceComponent> component = std::make_shared<FakeDistanceComponent>();
  ScoringState scoring;
};
}  // namespace

TEST_F(ScoringTest, RecordModeEntersTheQsoAndReturnsItsDistancePoints) {
  component->distance = 1500;
  Qso("DL1AB", "14", "CW", "599 ko85");
  EXPECT_EQ(Record(), 35);

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
            (std::vector<std::string>{"A:JO31", "B:JO31", "A:KO85", "B:KO85"}));
}

TEST_F(ScoringTest, RecordModeCountsAFieldOncePerBandText) {
  struct Step {
    const char *call, *band, *report;
    int newLocOfBand;
  } steps[] = {
      {"A1", "14", "KO85", 1}, {"A2", "14", "ko11", 1},  {"A3", "7", "KO85", 1},
      {"A4", "14", "JO31", 2}, {"A5", "14 ", "KO85", 1},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.call);
    Qso(s.call, s.band, "CW", s.report);
    Record();
    EXPECT_EQ(scoring.BandStats.FindOrAdd(s.band).NewLoc, s.newLocOfBand);
  }
  EXPECT_EQ(scoring.BandStats.Entries().size(), 3u);  // "14", "7", "14 " in first appearance
  EXPECT_EQ(scoring.BandStats.Entries()[2].Band, "14 ");
}

TEST_F(ScoringTest, RecordModeWithoutASquareCountsTheQsoWithNoPoints) {
  Qso("DL1AB", "14", "CW", "599 001");
  EXPECT_EQ(Record(), 0);
  const TStatistic& band = scoring.BandStats.Entries().at(0);
  EXPECT_EQ(band.QSOs, 1);
  EXPECT_EQ(band.Points, 0);
  EXPECT_EQ(band.NewLoc, 0);
  EXPECT_TRUE(component->coordCalls.empty());
}

TEST_F(ScoringTest, ADuplicateChangesNothingInEitherMode) {
  Qso("DL1AB", "14", "CW", "KO85", "KO85");
  ASSERT_EQ(Record(), 31);
  scoring.LastDistance = 7;
  component->coordCalls.clear();

  EXPECT_EQ(Probe(), -1);
  EXPECT_EQ(Record(), -1);
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
      {"KO85", 131, true},    // new field: points plus 100
      {"JO31", 31, true},     // worked on this band in record mode below
      {"jo31", 31, true},     // the key is found whatever its case
      {"", 100, false},       // no square; the key "14" alone is never held
      {" JO31", 100, false},  // leading blank: too short once trimmed, and " J" is no worked key
      {"JO3", 0, false},      // too short for a square, and the field JO is worked already
  };
  Qso("OK1X", "14", "CW", "JO31");
  Record();

  for (const Case& c : cases) {
    SCOPED_TRACE(c.probe);
    component->distanceCalls = 0;
    Qso("DL1AB", "14", "CW", "", c.probe);
    EXPECT_EQ(Probe(), c.points);
    EXPECT_EQ(component->distanceCalls, c.distanceAsked ? 1 : 0);
  }
  EXPECT_EQ(scoring.WorkedList.Count(), 1u);
  EXPECT_EQ(scoring.WorkedFields.Keys().size(), 1u);
}

TEST_F(ScoringTest, ProbeModeSendsTheSquareAsTheHostGaveIt) {
  Qso("DL1AB", "14", "CW", "", "ko85xx");
  Probe();
  EXPECT_EQ(component->coordCalls.back(), "B:ko85");
}

namespace {
// The three lists as text: the band statistics and the worked fields entry by entry, and the worked
// list by its size, since entries are only ever added to it (the retry below shows the failed QSO
// is not among them).
std::string Lists(const ScoringState& scoring) {
  std::string text = std::to_string(scoring.WorkedList.Count()) + " worked |";
  for (const TStatistic& band : scoring.BandStats.Entries()) {
    text += band.Band + ":" + std::to_string(band.QSOs) + "," + std::to_string(band.Points) + "," +
            std::to_string(band.NewLoc) + " ";
  }
  text += "|";
  for (const std::string& key : scoring.WorkedFields.Keys()) {
    text += key + " ";
  }
  return text;
}
}  // namespace

// The host is told of the failure; the QSO was not scored, so it leaves no trace and the host's
// retry scores it as new.
TEST_F(ScoringTest, AFailingComponentLeavesTheListsAsTheyWereAndTheRetryScoresAsNew) {
  struct Case {
    const char* name;
    std::vector<::Qso> before;
    int newLocAfterRetry;  // of the band of the QSO that failed
  } const cases[] = {
      {"first QSO", {}, 1},
      {"later QSO, new field", {{"A1", "14", "CW", "JO31", ""}, {"A2", "7", "CW", "KO85", ""}}, 2},
      {"later QSO, known field",
       {{"A1", "14", "CW", "KO85", ""}, {"A2", "7", "CW", "JO31", ""}},
       1},
      {"later QSO, new band", {{"A1", "7", "CW", "JO31", ""}}, 1},
  };
  struct Failure {
    const char* name;
    const char* locator;  // a coordinate call for it fails
    bool distance;        // the distance call fails
  } const failures[] = {
      {"own square", "JO31", false}, {"worked square", "KO85", false}, {"distance", "", true}};
  for (const Case& c : cases) {
    for (const Failure& f : failures) {
      SCOPED_TRACE(std::string(c.name) + ", failing: " + f.name);
      scoring.Clear();
      component->failLocator.clear();
      component->failDistance = false;
      for (const ::Qso& earlier : c.before) {
        qso = earlier;
        Record();
      }
      const std::string before = Lists(scoring);
      component->failLocator = f.locator;
      component->failDistance = f.distance;
      Qso("DL1AB", "14", "CW", "599 KO85");

      EXPECT_THROW(Record(), EOleException);
      EXPECT_EQ(Lists(scoring), before);

      component->failLocator.clear();
      component->failDistance = false;
      EXPECT_EQ(Record(), 31);
      const TStatistic& band = scoring.BandStats.FindOrAdd("14");
      EXPECT_EQ(band.NewLoc, c.newLocAfterRetry);
      EXPECT_EQ(Record(), -1);
    }
  }
}

// The component's calls up to the failing one are those of a scoring that succeeds.
TEST_F(ScoringTest, AComponentFailureEndsTheScoringWithTheComponentsMessage) {
  component->failLocator = "KO85";
  Qso("DL1AB", "14", "CW", "KO85");
  try {
    Record();
    FAIL() << "no exception";
  } catch (const EOleException& e) {
    EXPECT_STREQ(e.what(), "Bad locator");
    EXPECT_EQ(e.Code(), FakeDistanceComponent::kFailure);
  }
  EXPECT_EQ(component->coordCalls, (std::vector<std::string>{"A:JO31", "B:JO31", "A:KO85"}));
  EXPECT_EQ(scoring.LastDistance, 0);
}

TEST_F(ScoringTest, WithoutAComponentADistanceIsAClearError) {
  scoring.CalcDist.reset();
  Qso("DL1AB", "14", "CW", "KO85", "KO85");
  EXPECT_THROW(
      {
        try {
          Probe();
        } catch (const EOleException& e) {
          EXPECT_STREQ(e.what(), "Distance component is not available");
          throw;
        }
      },
      EOleException);
  Qso("DL1AB", "14", "CW", "599");  // no square: no distance needed, so it scores
  EXPECT_EQ(Record(), 0);
}

TEST_F(ScoringTest, ADistanceThatIsNoNumberScoresNothing) {
  component->distance = std::numeric_limits<float>::quiet_NaN();
  Qso("DL1AB", "14", "CW", "KO85");
  EXPECT_EQ(Record(), 0);
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
    Qso("CAL" + std::to_string(n++), "14", "CW", "KO85");
    EXPECT_EQ(Record(), c.points);
  }
}

TEST_F(ScoringTest, CreatingTheComponentSetsTheOwnCoordinatesFromTheWholeLocator) {
  scoring.CreateDistanceComponent(
      []() -> std::shared_ptr<DistanceComponent> {
        return std::make_shared<FakeDistanceComponent>();
      },
      ownLocator);
  ASSERT_NE(scoring.CalcDist, nullptr);
  EXPECT_EQ(scoring.OwnCoordA, 6);  // the fake answers the locator's length
  EXPECT_EQ(scoring.OwnCoordB, 6);

  // A failed creation is swallowed; the own coordinates then need the missing component.
  EXPECT_THROW(scoring.CreateDistanceComponent(
                   []() -> std::shared_ptr<DistanceComponent> {
                     throw std::runtime_error("class not registered");
                   },
                   ownLocator),
               EOleException);
  EXPECT_EQ(scoring.CalcDist, nullptr);
}

TEST_F(ScoringTest, TheReportShowsTheStateAsItIs) {
  Qso("DL1AB", "7", "CW", "KO85");
  Record();
  EXPECT_EQ(scoring.ReportText(),
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "    7\t    1\t   31\t    1\r\n"
            "Total\t    1\t   31\t    1\r\n"
            " Score: 31 + (1 * 100) =131");
}

TEST_F(ScoringTest, ClearingLeavesEmptyButUsableState) {
  Qso("DL1AB", "7", "CW", "KO85");
  Record();
  scoring.Clear();
  EXPECT_EQ(scoring.WorkedList.Count(), 0u);
  EXPECT_TRUE(scoring.BandStats.Entries().empty());
  EXPECT_EQ(Record(), 31);  // the same QSO is no duplicate any more
}

// What a scoring found, for those who show more than the points: the square measured to, the
// distance and whether the field counts (or would count) as new.
TEST_F(ScoringTest, TheResultSaysWhatTheScoringFound) {
  component->distance = 1500.25f;
  Qso("DL1AB", "14", "CW", "599 ko85");
  QsoResult recorded = scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record);
  EXPECT_FALSE(recorded.duplicate);
  EXPECT_EQ(recorded.points, 35);
  EXPECT_EQ(recorded.square, "KO85");
  EXPECT_EQ(recorded.distanceKm, 1500.25);
  EXPECT_TRUE(recorded.newField);

  Qso("OK1X", "14", "CW", "KO85 again");  // the field is worked on 14 now
  recorded = scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record);
  EXPECT_FALSE(recorded.newField);
  EXPECT_EQ(RecordAnswer(recorded), 35);

  Qso("SP2Z", "14", "CW", "599");  // no square: no distance
  recorded = scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record);
  EXPECT_EQ(recorded.square, "");
  EXPECT_FALSE(recorded.distanceKm.has_value());
  EXPECT_EQ(recorded.points, 0);

  Qso("G3X", "7", "CW", "", "ko85xx");  // probe: the square as the host gave it, new on 7
  const QsoResult probed = scoring.ScoreQSO(qso, ownLocator, ScoreMode::Probe);
  EXPECT_EQ(probed.square, "ko85");
  EXPECT_TRUE(probed.newField);
  EXPECT_EQ(probed.points, 35);
  EXPECT_EQ(ProbeAnswer(probed), 135);
  EXPECT_EQ(RecordAnswer(probed), 35);

  Qso("DL1AB", "14", "CW", "KO85");
  const QsoResult duplicate = scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record);
  EXPECT_TRUE(duplicate.duplicate);
  EXPECT_EQ(RecordAnswer(duplicate), -1);
  EXPECT_EQ(ProbeAnswer(duplicate), -1);
}
