// The rebuild from the log and the action that runs it, over a log held in memory.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "scoring/main_form_scoring.h"
#include "testing/fake_calc_dist.h"
#include "testing/memory_log_query.h"

namespace {
// The window as a rebuild sees it: records what the rebuild asks of it, and runs a scripted
// handler at each message point (counted across nested rebuilds), as the messages dispatched
// there would.
class ScriptedHost : public RecalcHost {
 public:
  void ProcessMessages() override {
    events.push_back("messages");
    const std::size_t point = points++;
    if (point < atPoint.size() && atPoint[point]) {
      atPoint[point]();
    }
  }
  void SetActionEnabled(bool enabled) override { events.push_back(enabled ? "enable" : "disable"); }

  std::vector<std::function<void()>> atPoint;
  std::vector<std::string> events;
  std::size_t points = 0;
};

// The locator map: the bands it was moved to, in order.
class FakeMap : public LocatorMapView {
 public:
  void SelectBand(int index) override { selected.push_back(index); }
  std::vector<int> selected;
};

const std::vector<LogRow> kLog = {
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
    scoring = std::make_unique<MainFormScoring>(
        data, sink, [this] { return mapOpen ? &map : nullptr; }, std::move(logQuery));
    scoring->CalcDist = std::make_shared<FakeCalcDist>();
    data.LogTable.Write("QSOLog");
    data.OwnLocator.Write("JO31");
    data.DigiBand.Write("7");
  }

  // What _AddQSO does with a host record: copy it whole, then score it in record mode.
  std::int32_t AddQso(const char* call, const char* band, const char* report) {
    TContestData record = data;
    record.CallSign.Write(call);
    record.DigiBand.Write(band);
    record.QSOMode.Write("CW");
    record.QSOReportRecived.Write(report);
    data = record;
    return scoring->ScoreQSO(true);
  }

  TContestData data{};
  StringSink sink;
  ScriptedHost host;
  MemoryLogQuery* query = nullptr;
  FakeMap map;
  bool mapOpen = false;
  std::unique_ptr<MainFormScoring> scoring;
};
}  // namespace

TEST_F(RecalcTest, ScoresEveryRowInRecordModeAndWritesTheReport) {
  scoring->ExecuteRecalcStatistic(host);

  EXPECT_EQ(sink.text, kLogReport);
  EXPECT_EQ(query->sql, "Select * from QSOLog order by CallSign");
  EXPECT_FALSE(query->open);
  EXPECT_EQ(scoring->WorkedList.Count(), 4u);
  EXPECT_EQ(scoring->WorkedFields.Keys(), (std::vector<std::string>{"14KO", "JO", "KO"}));
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "messages", "enable"}));
  EXPECT_TRUE(scoring->RecalcStatisticEnabled());
  EXPECT_FALSE(scoring->Rebuilding());
}

TEST_F(RecalcTest, LeavesTheLastRowInTheRecordAndPutsTheBandBack) {
  const std::string longValue = "KO85" + std::string(296, 'x');
  Recreate(std::make_unique<MemoryLogQuery>(std::vector<LogRow>{
      {"DL1AB", "14", "CW", "JO31"},
      {"OK1X", "21", "ssb", longValue.c_str(), "eu-as 1", "ok", longValue.c_str()}}));
  std::memset(data.host4, 0x5A, sizeof data.host4);
  const TContestData before = data;

  scoring->RecalcStatisticExecute(host);

  EXPECT_EQ(data.DigiBand.Read(), "7");
  EXPECT_EQ(data.CallSign.Read(), "OK1X");
  EXPECT_EQ(data.QSOMode.Read(), "ssb");
  EXPECT_EQ(data.Continent.Read(), "EU-AS 1");
  EXPECT_EQ(data.MainPrefix.Read(), "ok");
  EXPECT_EQ(data.QSOReportRecived.Read(), longValue.substr(0, 255));
  EXPECT_EQ(data.DXCCPrefix.Read(), longValue.substr(0, 255));
  EXPECT_EQ(std::memcmp(data.host4, before.host4, sizeof data.host4), 0);
  EXPECT_EQ(std::memcmp(&data.host5, &before.host5, sizeof data.host5), 0);
}

TEST_F(RecalcTest, AnEmptyLogEmptiesTheStateAndWritesOnlyTheBand) {
  scoring->RecalcStatisticExecute(host);
  ASSERT_EQ(scoring->WorkedList.Count(), 4u);
  query->rows.clear();
  data.CallSign.Write("G3XYZ");

  scoring->RecalcStatisticExecute(host);

  EXPECT_EQ(sink.text, kEmptyReport);
  EXPECT_EQ(scoring->WorkedList.Count(), 0u);
  EXPECT_TRUE(scoring->WorkedFields.Keys().empty());
  EXPECT_EQ(data.CallSign.Read(), "G3XYZ");
  EXPECT_EQ(data.DigiBand.Read(), "7");
}

TEST_F(RecalcTest, RebuildingAgainStartsFromEmpty) {
  scoring->RecalcStatisticExecute(host);
  scoring->RecalcStatisticExecute(host);
  EXPECT_EQ(sink.text, kLogReport);
  EXPECT_EQ(scoring->WorkedList.Count(), 4u);
}

TEST_F(RecalcTest, AMissingColumnStopsTheRebuildOnItsFirstRow) {
  auto withoutContinent = std::make_unique<MemoryLogQuery>(kLog);
  withoutContinent->DropColumn("Continent");
  Recreate(std::move(withoutContinent));
  host.events.clear();

  try {
    scoring->ExecuteRecalcStatistic(host);
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "LogQuery: Field 'Continent' not found");
  }
  EXPECT_EQ(data.DigiBand.Read(), "14");  // the first row's, not put back
  EXPECT_EQ(data.CallSign.Read(), "DL1AB");
  EXPECT_EQ(scoring->WorkedList.Count(), 0u);
  EXPECT_EQ(sink.text, "");  // emptied, and no report after a failure
  EXPECT_TRUE(query->open);
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "messages", "enable"}));
  EXPECT_TRUE(scoring->RecalcStatisticEnabled());

  // The same table without rows passes: no column is read.
  query->rows.clear();
  scoring->ExecuteRecalcStatistic(host);
  EXPECT_EQ(sink.text, kEmptyReport);
}

TEST_F(RecalcTest, AFailureKeepsWhatWasRebuiltAndTheNextRebuildStartsFromEmpty) {
  auto component = std::make_shared<FakeCalcDist>();
  component->failLocator = L"JO93";  // the fourth row's square
  scoring->CalcDist = component;
  EXPECT_THROW(scoring->ExecuteRecalcStatistic(host), EOleException);
  EXPECT_EQ(scoring->WorkedList.Count(), 3u);
  EXPECT_EQ(sink.text, "");
  EXPECT_EQ(data.DigiBand.Read(), "");  // the failing row's band
  EXPECT_TRUE(scoring->RecalcStatisticEnabled());

  component->failLocator.clear();
  scoring->ExecuteRecalcStatistic(host);
  EXPECT_EQ(sink.text, kLogReport);
}

// One repaint per row would cost a rebuild far more than the rebuild itself: an open map moves
// once, as the rebuild ends, to the band the last scored row on one of the nine asked for.
TEST_F(RecalcTest, AnOpenMapMovesOnceToTheBandOfTheLastRowThatAskedForOne) {
  struct Case {
    const char* name;
    std::vector<LogRow> log;
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
    mapOpen = true;
    map.selected.clear();
    host.atPoint = {nullptr, [&] { EXPECT_TRUE(map.selected.empty()); }};
    host.points = 0;

    scoring->ExecuteRecalcStatistic(host);

    EXPECT_EQ(map.selected, c.selected);
    // Outside a rebuild the map moves at once again.
    AddQso("SP2Z", "3.5", "KO02");
    EXPECT_EQ(map.selected.back(), 2);
  }
}

TEST_F(RecalcTest, AFailingRebuildLeavesAnOpenMapOnTheBandOfTheLastRowScored) {
  auto component = std::make_shared<FakeCalcDist>();
  component->failLocator = L"JO93";  // the fourth row's square
  scoring->CalcDist = component;
  mapOpen = true;

  EXPECT_THROW(scoring->ExecuteRecalcStatistic(host), EOleException);

  EXPECT_EQ(map.selected, std::vector<int>{5});
}

TEST_F(RecalcTest, AQueryThatCannotOpenGivesTheDatabaseMessage) {
  query->openError = "no such table: Nope";
  try {
    scoring->ExecuteRecalcStatistic(host);
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "no such table: Nope");
  }
  EXPECT_TRUE(scoring->RecalcStatisticEnabled());
  EXPECT_EQ(host.events, (std::vector<std::string>{"messages", "disable", "enable"}));
}

TEST_F(RecalcTest, WithoutAQueryTheRebuildSaysThereIsNoConnection) {
  MainFormScoring unconnected(data, sink, nullptr);
  try {
    unconnected.ExecuteRecalcStatistic(host);
    FAIL() << "no error";
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "LogQuery: no database connection");
  }
  EXPECT_TRUE(unconnected.RecalcStatisticEnabled());
}

// At the first message point nothing has changed yet; at the second the state and the report are
// empty, the query is open and the action is greyed.
TEST_F(RecalcTest, TheMessagePointsSeeTheStateOfTheirMoment) {
  scoring->RecalcStatisticExecute(host);
  host = ScriptedHost();
  host.atPoint = {[&] {
                    EXPECT_EQ(scoring->WorkedList.Count(), 4u);
                    EXPECT_EQ(sink.text, kLogReport);
                    EXPECT_TRUE(scoring->RecalcStatisticEnabled());
                    EXPECT_TRUE(scoring->Rebuilding());
                  },
                  [&] {
                    EXPECT_EQ(scoring->WorkedList.Count(), 0u);
                    EXPECT_TRUE(scoring->BandStats.Entries().empty());
                    EXPECT_TRUE(scoring->WorkedFields.Keys().empty());
                    EXPECT_EQ(sink.text, "");
                    EXPECT_TRUE(query->open);
                    EXPECT_FALSE(scoring->RecalcStatisticEnabled());
                    EXPECT_TRUE(scoring->Rebuilding());
                  }};
  scoring->ExecuteRecalcStatistic(host);
  EXPECT_EQ(host.points, 2u);
}

// A QSO that the host adds or probes while the log is read is scored against that moment's state
// and stays; the log's own copy of it is then a duplicate.
TEST_F(RecalcTest, AQsoAddedAtTheSecondMessagePointCountsOnce) {
  int added = 0;
  int probed = 0;
  host.atPoint = {nullptr, [&] {
                    added = AddQso("SP2Z", "", "JO93");
                    data.CallSign.Write("G3XYZ");
                    data.DigiBand.Write("14");
                    data.ProbeLocator.Write("KO85");
                    probed = scoring->ScoreQSO(false);
                  }};
  scoring->ExecuteRecalcStatistic(host);
  EXPECT_EQ(added, 31);
  EXPECT_EQ(probed, 131);  // nothing on 14 yet: the field is new
  EXPECT_EQ(sink.text,     // the added QSO's band came first
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "     \t    2\t   62\t    2\r\n"
            "   14\t    2\t   31\t    1\r\n"
            "Total\t    4\t   93\t    3\r\n"
            " Score: 93 + (3 * 100) =393");
  EXPECT_EQ(data.DigiBand.Read(), "7");  // the band from before the rebuild
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
    auto component = std::make_shared<FakeCalcDist>();
    component->failDistance = c.fails;
    scoring->CalcDist = component;
    host = ScriptedHost();
    host.atPoint.resize(2);
    host.atPoint[c.point] = [&] {
      scoring->TearDown();  // the window's close query
      EXPECT_FALSE(scoring->TakeDeferredClose());
    };

    try {
      scoring->ExecuteRecalcStatistic(host);
      EXPECT_FALSE(c.fails);
      EXPECT_EQ(sink.text, kLogReport);  // the rebuild ran to its end
    } catch (const EOleException&) {
      EXPECT_TRUE(c.fails);
    }
    EXPECT_TRUE(scoring->TakeDeferredClose());
    EXPECT_FALSE(scoring->TakeDeferredClose());
    EXPECT_EQ(scoring->WorkedList.Count(), 0u);
    EXPECT_TRUE(scoring->BandStats.Entries().empty());
    EXPECT_FALSE(query->open);
    EXPECT_TRUE(scoring->RecalcStatisticEnabled());

    // A later rebuild is not torn down again.
    component->failDistance = false;
    scoring->ExecuteRecalcStatistic(host);
    EXPECT_EQ(scoring->WorkedList.Count(), 4u);
    EXPECT_FALSE(scoring->TakeDeferredClose());
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
    host = ScriptedHost();
    host.atPoint.resize(2);
    host.atPoint[c.point] = [&] {
      if (c.forced) {
        scoring->RecalcStatisticExecute(host);
      } else {
        scoring->ExecuteRecalcStatistic(host);
      }
      EXPECT_TRUE(scoring->Rebuilding());
    };

    scoring->ExecuteRecalcStatistic(host);

    EXPECT_EQ(query->opens, c.opens);
    EXPECT_EQ(sink.text, kLogReport);
    EXPECT_EQ(scoring->WorkedList.Count(), 4u);
    EXPECT_EQ(data.DigiBand.Read(), "7");
    EXPECT_FALSE(query->open);
    EXPECT_TRUE(scoring->RecalcStatisticEnabled());
    EXPECT_EQ(host.events.back(), "enable");
    EXPECT_FALSE(scoring->Rebuilding());
  }
}
