// The rebuild from the log and the action that runs it, over a log held in memory.
#include "scoring/log_rebuild.h"

#include <gtest/gtest.h>

#include <functional>

#include "testing/fake_distance_component.h"
#include "testing/memory_log_query.h"
#include "testing/quiet_recalc_host.h"

namespace {
// The window as a rebuild sees it: records what the rebuild asks of it, shows the report it is
// asked to show, and runs a scripted handler at each message point (counted across nested
// rebuilds), as the messages dispatched there would.
class ScriptedHost : public QuietRecalcHost {
 public:
  using QuietRecalcHost::QuietRecalcHost;

  void ProcessMessages() override {
    events.push_back("messages");
    const std::size_t point = points++;
    if (point < atPoint.size() && atPoint[point]) {
      atPoint[point]();
    }
  }
  void SetActionEnabled(bool enabled) override { events.push_back(enabled ? "enable" : "disable"); }
  // The locator map: the bands it was moved to, in order, while it is open.
  void SelectMapBand(int index) override {
    if (mapOpen) {
      selected.push_back(index);
    }
  }

  bool mapOpen = false;
  std::vector<int> selected;
  std::vector<std::function<void()>> atPoint;
  std::vector<std::string> events;
  std::size_t points = 0;
};

const std::vector<HostLogRow> kLog = {
    {"DL1AB", "14", "CW", "599 ko85"},
    {"DL1AB", "14", "CW", "599 KO85"},  // a duplicate
    {"OK1X", "14", "SSB", "59"},        // no square
    {"SP2Z", nullptr, "CW", "JO93"},    // NULL band
    {"SP3Y", "", "CW", "KO02", "eu", "SP", "SP"},
};

const char kLogReport[] =
    "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
    "   14\t    2\t   31\t    1\r\n"
    "     \t    2\t   62\t    2\r\n"
    "Total\t    4\t   93\t    3\r\n"
    " Score: 93 + (3 * 100) =393";

const char kEmptyReport[] =
    "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
    "Total\t    0\t    0\t    0\r\n"
    " Score: 0 + (0 * 100) =0";

class RecalcTest : public testing::Test {
 protected:
  RecalcTest() { Recreate(std::make_unique<MemoryLogQuery>(kLog)); }

  void Recreate(std::unique_ptr<MemoryLogQuery> logQuery) {
    query = logQuery.get();
    state.Clear();
    state.CalcDist = std::make_shared<FakeDistanceComponent>();
    rebuild = std::make_unique<LogRebuild>(state, host, std::move(logQuery));
  }

  // What _AddQSO does with a QSO: score it in record mode, then follow its band.
  std::int32_t AddQso(const char* call, const char* band, const char* report) {
    const QsoResult result =
        state.ScoreQSO({call, band, "CW", report, ""}, host.ownLocator, ScoreMode::Record);
    if (!result.duplicate) {
      rebuild->FollowBand(band);
    }
    return RecordAnswer(result);
  }

  ScoringState state;
  ScriptedHost host{state};
  MemoryLogQuery* query = nullptr;
  std::unique_ptr<LogRebuild> rebuild;
};
}  // namespace

TEST_F(RecalcTest, ScoresEveryRowInRecordModeAndWritesTheReport) {
  rebuild->Execute();

  EXPECT_EQ(host.report, kLogReport);
  EXPECT_EQ(query->sql, "Select * from QSOLog order by CallSign");
  EXPECT_FALSE(query->open);
  EXPECT_EQ(state.WorkedList.Count(), 4u);
  EXPECT_EQ(state.WorkedFields.Keys(), (std::vector<std::string>{"14KO", "JO", "KO"}));
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "messages", "enable"}));
  EXPECT_TRUE(rebuild->Enabled());
  EXPECT_FALSE(rebuild->Rebuilding());
}

// The host's record holds 255 characters of a text; a rebuild sees each value as _AddQSO would
// have seen it.
TEST_F(RecalcTest, ReadsEachValueAsARecordFieldHoldsIt) {
  const std::string longCall = std::string(255, 'D');
  const std::string first = longCall + "1";
  const std::string second = longCall + "2";                        // the same call once cut
  const std::string lateSquare = std::string(252, ' ') + "x KO85";  // the square is cut off
  Recreate(std::make_unique<MemoryLogQuery>(
      std::vector<HostLogRow>{{first.c_str(), "14", "CW", "JO31"},
                              {second.c_str(), "14", "CW", "JO31"},
                              {"OK1X", "21", "ssb", lateSquare.c_str()}}));

  rebuild->RecalcStatisticExecute();

  EXPECT_EQ(state.WorkedList.Count(), 2u);
  EXPECT_TRUE(state.WorkedList.Contains(longCall, "14", "CW"));
  const TStatistic& band21 = state.BandStats.Entries().at(1);
  EXPECT_EQ(band21.QSOs, 1);
  EXPECT_EQ(band21.NewLoc, 0);
}

TEST_F(RecalcTest, AnEmptyLogEmptiesTheState) {
  rebuild->RecalcStatisticExecute();
  ASSERT_EQ(state.WorkedList.Count(), 4u);
  query->rows.clear();

  rebuild->RecalcStatisticExecute();

  EXPECT_EQ(host.report, kEmptyReport);
  EXPECT_EQ(state.WorkedList.Count(), 0u);
  EXPECT_TRUE(state.WorkedFields.Keys().empty());
}

TEST_F(RecalcTest, RebuildingAgainStartsFromEmpty) {
  rebuild->RecalcStatisticExecute();
  rebuild->RecalcStatisticExecute();
  EXPECT_EQ(host.report, kLogReport);
  EXPECT_EQ(state.WorkedList.Count(), 4u);
}

TEST_F(RecalcTest, AMissingColumnStopsTheRebuildOnItsFirstRow) {
  auto withoutContinent = std::make_unique<MemoryLogQuery>(kLog);
  withoutContinent->DropColumn("Continent");
  Recreate(std::move(withoutContinent));
  host.events.clear();

  try {
    rebuild->Execute();
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_STREQ(e.what(), "LogQuery: Field 'Continent' not found");
  }
  EXPECT_EQ(state.WorkedList.Count(), 0u);
  EXPECT_EQ(host.report, "");  // emptied, and no report after a failure
  EXPECT_TRUE(query->open);
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "messages", "enable"}));
  EXPECT_TRUE(rebuild->Enabled());

  // The same table without rows passes: no column is read.
  query->rows.clear();
  rebuild->Execute();
  EXPECT_EQ(host.report, kEmptyReport);
}

// The rows before the failing one stay counted; the failing one leaves nothing.
TEST_F(RecalcTest, AFailureKeepsWhatWasRebuiltAndTheNextRebuildStartsFromEmpty) {
  auto component = std::make_shared<FakeDistanceComponent>();
  component->failLocator = "JO93";  // the fourth row's square, on an empty band text
  state.CalcDist = component;
  EXPECT_THROW(rebuild->Execute(), EOleException);
  EXPECT_EQ(state.WorkedList.Count(), 2u);
  EXPECT_FALSE(state.WorkedList.Contains("SP2Z", "", "CW"));
  ASSERT_EQ(state.BandStats.Entries().size(), 1u);
  EXPECT_EQ(state.BandStats.Entries()[0].Band, "14");
  EXPECT_EQ(state.BandStats.Entries()[0].QSOs, 2);
  EXPECT_EQ(state.WorkedFields.Keys(), std::vector<std::string>{"14KO"});
  EXPECT_EQ(host.report, "");
  EXPECT_TRUE(rebuild->Enabled());

  component->failLocator.clear();
  rebuild->Execute();
  EXPECT_EQ(host.report, kLogReport);
}

// One repaint per row would cost a rebuild far more than the rebuild itself: an open map moves
// once, as the rebuild ends, to the band the last scored row on one of the nine asked for.
TEST_F(RecalcTest, AnOpenMapMovesOnceToTheBandOfTheLastRowThatAskedForOne) {
  struct Case {
    const char* name;
    std::vector<HostLogRow> log;
    std::vector<int> selected;
  } const cases[] = {
      {"last on the nine", {{"DL1AB", "14", "CW", "KO85"}, {"G3X", " 21 ", "CW", "IO91"}}, {7}},
      {"others after it",
       {{"DL1AB", "14", "CW", "KO85"}, {"G3X", "21", "CW", "IO91"}, {"K1Y", "50", "CW", "FN42"}},
       {7}},
      {"none on the nine", {{"DL1AB", "50", "CW", "KO85"}, {"G3X", "144", "CW", "IO91"}}, {}},
      {"empty log", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recreate(std::make_unique<MemoryLogQuery>(c.log));
    host.mapOpen = true;
    host.selected.clear();
    host.atPoint = {nullptr, [&] { EXPECT_TRUE(host.selected.empty()); }};
    host.points = 0;

    rebuild->Execute();

    EXPECT_EQ(host.selected, c.selected);
    // Outside a rebuild the map moves at once again.
    AddQso("SP2Z", "3.5", "KO02");
    EXPECT_EQ(host.selected.back(), 2);
  }
}

TEST_F(RecalcTest, AFailingRebuildLeavesAnOpenMapOnTheBandOfTheLastRowScored) {
  auto component = std::make_shared<FakeDistanceComponent>();
  component->failLocator = "JO93";  // the fourth row's square
  state.CalcDist = component;
  host.mapOpen = true;

  EXPECT_THROW(rebuild->Execute(), EOleException);

  EXPECT_EQ(host.selected, std::vector<int>{5});
}

TEST_F(RecalcTest, AQueryThatCannotOpenGivesTheDatabaseMessage) {
  query->openError = "no such table: Nope";
  try {
    rebuild->Execute();
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_STREQ(e.what(), "no such table: Nope");
  }
  EXPECT_TRUE(rebuild->Enabled());
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "enable"}));
}

TEST_F(RecalcTest, WithoutAQueryTheRebuildSaysThereIsNoConnection) {
  LogRebuild unconnected(state, host, nullptr);
  try {
    unconnected.Execute();
    FAIL() << "no error";
  } catch (const DatabaseError& e) {
    EXPECT_STREQ(e.what(), "LogQuery: no database connection");
  }
  EXPECT_TRUE(unconnected.Enabled());
}

// At the first message point nothing has changed yet; at the second the state and the report are
// empty, the query is open and the action is greyed.
TEST_F(RecalcTest, TheMessagePointsSeeTheStateOfTheirMoment) {
  rebuild->RecalcStatisticExecute();
  host.events.clear();
  host.points = 0;
  host.atPoint = {[&] {
                    EXPECT_EQ(state.WorkedList.Count(), 4u);
                    EXPECT_EQ(host.report, kLogReport);
                    EXPECT_TRUE(rebuild->Enabled());
                    EXPECT_TRUE(rebuild->Rebuilding());
                  },
                  [&] {
                    EXPECT_EQ(state.WorkedList.Count(), 0u);
                    EXPECT_TRUE(state.BandStats.Entries().empty());
                    EXPECT_TRUE(state.WorkedFields.Keys().empty());
                    EXPECT_EQ(host.report, "");
                    EXPECT_TRUE(query->open);
                    EXPECT_FALSE(rebuild->Enabled());
                    EXPECT_TRUE(rebuild->Rebuilding());
                  }};
  rebuild->Execute();
  EXPECT_EQ(host.points, 2u);
}

// A QSO that the host adds or probes while the log is read is scored against that moment's state
// and stays; the log's own copy of it is then a duplicate.
TEST_F(RecalcTest, AQsoAddedAtTheSecondMessagePointCountsOnce) {
  int added = 0;
  int probed = 0;
  host.atPoint = {nullptr, [&] {
                    added = AddQso("SP2Z", "", "JO93");
                    probed = ProbeAnswer(state.ScoreQSO({"G3XYZ", "14", "CW", "", "KO85"},
                                                        host.ownLocator, ScoreMode::Probe));
                  }};
  rebuild->Execute();
  EXPECT_EQ(added, 31);
  EXPECT_EQ(probed, 131);  // nothing on 14 yet: the field is new
  EXPECT_EQ(host.report,   // the added QSO's band came first
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "     \t    2\t   62\t    2\r\n"
            "   14\t    2\t   31\t    1\r\n"
            "Total\t    4\t   93\t    3\r\n"
            " Score: 93 + (3 * 100) =393");
}

TEST_F(RecalcTest, ACloseDuringARebuildIsCarriedOutWhenItHasReturned) {
  struct Case {
    const char* name;
    std::size_t point;
    bool fails;
  } cases[] = {{"first point", 0, false}, {"second point", 1, false}, {"failing", 1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recreate(std::make_unique<MemoryLogQuery>(kLog));
    auto component = std::make_shared<FakeDistanceComponent>();
    component->failDistance = c.fails;
    state.CalcDist = component;
    host = ScriptedHost(state);
    host.atPoint.resize(2);
    host.atPoint[c.point] = [&] {
      rebuild->TearDown();  // the window's close query
      EXPECT_FALSE(rebuild->TakeDeferredClose());
    };

    try {
      rebuild->Execute();
      EXPECT_FALSE(c.fails);
      EXPECT_EQ(host.report, kLogReport);  // the rebuild ran to its end
    } catch (const EOleException&) {
      EXPECT_TRUE(c.fails);
    }
    EXPECT_TRUE(rebuild->TakeDeferredClose());
    EXPECT_FALSE(rebuild->TakeDeferredClose());
    EXPECT_EQ(state.WorkedList.Count(), 0u);
    EXPECT_TRUE(state.BandStats.Entries().empty());
    EXPECT_FALSE(query->open);
    EXPECT_TRUE(rebuild->Enabled());

    // A later rebuild is not torn down again.
    component->failDistance = false;
    rebuild->Execute();
    EXPECT_EQ(state.WorkedList.Count(), 4u);
    EXPECT_FALSE(rebuild->TakeDeferredClose());
  }
}

// At the first message point the action is still enabled: a second rebuild runs in full inside the
// first, which then runs in full itself. At the second the greyed action refuses; a rebuild forced
// past it reads the query to its end, and the outer one finds it there.
TEST_F(RecalcTest, ANestedRecalcRunsOnlyWhileTheActionIsEnabledAndLeavesAWholeState) {
  struct Case {
    const char* name;
    std::size_t point;
    bool forced;
    int opens;
  } cases[] = {{"first point", 0, false, 2},
               {"second point", 1, false, 1},
               {"second point, forced", 1, true, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recreate(std::make_unique<MemoryLogQuery>(kLog));
    host = ScriptedHost(state);
    host.atPoint.resize(2);
    host.atPoint[c.point] = [&] {
      if (c.forced) {
        rebuild->RecalcStatisticExecute();
      } else {
        rebuild->Execute();
      }
      EXPECT_TRUE(rebuild->Rebuilding());
    };

    rebuild->Execute();

    EXPECT_EQ(query->opens, c.opens);
    EXPECT_EQ(host.report, kLogReport);
    EXPECT_EQ(state.WorkedList.Count(), 4u);
    EXPECT_FALSE(query->open);
    EXPECT_TRUE(rebuild->Enabled());
    EXPECT_EQ(host.events.back(), "enable");
    EXPECT_FALSE(rebuild->Rebuilding());
  }
}

TEST_F(RecalcTest, FollowBandMovesAnOpenMapToTheTrimmedBand) {
  struct Case {
    const char* band;
    std::vector<int> selected;
  } cases[] = {{" 14 ", {5}}, {"1.8", {1}}, {"10", {4}}, {"50", {}}, {"", {}}};
  host.mapOpen = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.band);
    host.selected.clear();
    rebuild->FollowBand(c.band);
    EXPECT_EQ(host.selected, c.selected);
  }
  host.mapOpen = false;
  host.selected.clear();
  AddQso("DL1AB", "14", "599");
  EXPECT_TRUE(host.selected.empty());
}

// The library's unload gives the query up without calling into the database: an open query stays
// open, and a rebuild after that finds no connection.
TEST_F(RecalcTest, AnAbandonedQueryIsNeitherClosedNorUsedAgain) {
  query->Open();
  rebuild->AbandonQuery();
  const std::unique_ptr<MemoryLogQuery> abandoned(query);  // what the unload leaves, freed here
  EXPECT_TRUE(abandoned->open);

  try {
    rebuild->RecalcFromLog();
    FAIL() << "rebuilt without a query";
  } catch (const DatabaseError& e) {
    EXPECT_STREQ(e.what(), "LogQuery: no database connection");
  }
  EXPECT_TRUE(abandoned->open);
  EXPECT_EQ(abandoned->opens, 1);
}
