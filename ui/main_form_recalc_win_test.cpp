// The statistics window's rebuild from the host's log (an SQLite file through ODBC): on its show
// and on its button, its errors, and the host's calls that arrive while it lets messages through.
#include <gtest/gtest.h>
#include <windows.h>
// sql.h needs the Windows types first.
#include <sql.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "io/odbc_handle.h"
#include "scoring/report.h"
#include "testing/host_log.h"
#include "testing/plugin_fixture_win.h"
#include "testing/posted_calls_win.h"

namespace {
// In callsign order: DL1AB (14), G4ABC (7), W1AW (14); the second DL1AB is a duplicate.
const LogRow kLog[] = {
    {"W1AW", "14", "CW", "599 FN31", "K", "W1", "NA"},
    {"DL1AB", "14", "CW", "599 KO72", "DL", "DL1", "EU"},
    {"G4ABC", "7", "SSB", "59", "G", "G4", "EU"},
    {"DL1AB", "14", "CW", "599 KO72", "DL", "DL1", "EU"},
};

// From JO31: KO72 is 1908 km (35 points), FN31 5912 km (52 points); G4ABC sent no square.
std::string LogReport() {
  return StatisticReport({{"14", 2, 87, 2}, {"7", 1, 0, 0}});
}

// A log table whose rows lack the column "Continent".
constexpr char kWithoutContinent[] =
    "(select CallSign, DigiBand, QSOMode, QSOReportRecived, DXCCPrefix, MainPrefix from Log)";

HWND RecalcButton(HWND window) {
  return FindChild(window, "Button", "Recalc Statistic");
}

// Waits (on another thread) until `done` is set, at most a few seconds.
void WaitFor(const std::atomic<bool>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!done && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}
}  // namespace

class RecalcTest : public PluginTest {
 protected:
  void SetUp() override {
    for (const LogRow& row : kLog) {
      log.Add(row);
    }
  }

  // The window `start` makes and what a _Run for `record` returns when the host sends the window
  // a close message and then asks for a window while the window's rebuild (on the show, or on the
  // button) lets messages through.
  struct RunAfterClose {
    HWND window = nullptr;
    HWND ran = nullptr;
  };
  RunAfterClose CloseAndRunDuringARebuild(const TContestData& start, const TContestData& record,
                                          bool onTheButton) {
    PostedCalls calls;
    RunAfterClose result;
    const auto closeThenRun = [&] {
      SendMessageA(FindOwnWindow("TfmMainForm"), WM_CLOSE, 0, 0);
      result.ran = plugin.Run(0, &record);
    };
    if (onTheButton) {
      result.window = plugin.Run(0, &start);
      calls.Post(closeThenRun);
      Click(RecalcButton(result.window));
    } else {
      calls.Post(closeThenRun);
      result.window = plugin.Run(0, &start);
    }
    PumpMessages();
    return result;
  }
};

TEST_F(RecalcTest, RunShowsTheReportRebuiltFromTheLogAndTheButtonRebuildsItAgain) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  EXPECT_EQ(MemoText(window), LogReport());
  const TContestData logged = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&logged), -1);

  SetMemoText(window, "typed over");
  Click(RecalcButton(window));

  EXPECT_EQ(MemoText(window), LogReport());
  EXPECT_TRUE(IsWindowEnabled(RecalcButton(window)));
  EXPECT_EQ(plugin.AddQSO(&logged), -1);
}

TEST_F(RecalcTest, ALogErrorIsShownAndTheWindowStaysUsable) {
  struct {
    const char* table;
    const char* message;  // in the box's text
  } const cases[] = {
      {kWithoutContinent, "LogQuery: Field 'Continent' not found"},
      {"Missing", "no such table: Missing"},  // from the database's own message
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table);
    TContestData start = HostRecord();
    start.LogTable.Write(c.table);
    const std::size_t boxesBefore = boxes.Texts().size();
    const HWND window = plugin.Run(0, &start);

    ASSERT_EQ(boxes.Texts().size(), boxesBefore + 1);
    EXPECT_NE(boxes.Texts().back().find(c.message), std::string::npos) << boxes.Texts().back();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(RecalcButton(window)));
    EXPECT_EQ(MemoText(window), "");  // emptied by the rebuild, not rewritten

    // The failure came before the first row was scored. The host's next record names the right
    // table: the next rebuild starts from empty.
    const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
    EXPECT_EQ(plugin.AddQSO(&qso), 35);
    Click(RecalcButton(window));
    EXPECT_EQ(MemoText(window), LogReport());
    plugin.Release();
    PumpMessages();
  }
  expectedBoxes = boxes.Texts();
}

// A row that the database fails to give inside a block of rows (the driver steps to each row as it
// fetches it, and SQLite computes the band of W1AW, last in callsign order, as it steps there):
// the rebuild has scored the rows before it when the box shows the row's error.
TEST_F(PluginTest, ARebuildScoresTheRowsBeforeARowThatFailsAndShowsItsError) {
  TestLog stepping(TestLog::kTable, "StepAPI=1");
  stepping.Execute("CREATE INDEX LogCallSign ON Log (CallSign)");
  for (const LogRow& row : kLog) {
    stepping.Add(row);
  }
  TContestData start = HostRecord();
  start.Connection = stepping.Connection();
  start.LogTable.Write(LogFailingAt(TestLog::kTable, "W1AW"));

  plugin.Run(0, &start);

  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts().back().find("integer overflow"), std::string::npos)
      << boxes.Texts().back();
  const TContestData scored[] = {QsoRecord("DL1AB", "14", "CW", "599 KO72"),
                                 QsoRecord("G4ABC", "7", "SSB", "59")};
  for (const TContestData& qso : scored) {
    EXPECT_EQ(plugin.AddQSO(&qso), -1);
  }
  const TContestData failed = QsoRecord("W1AW", "14", "CW", "599 FN31");
  EXPECT_EQ(plugin.AddQSO(&failed), 52);  // new: the rebuild stopped at its row
  expectedBoxes = boxes.Texts();
}

// A connection that the host has closed, or a handle that is no connection at all: the box says
// what the driver (or its manager) said, its state included.
TEST_F(PluginTest, ABadConnectionIsReportedWithWhatTheDriverSaid) {
  OdbcHandle environment;
  ASSERT_TRUE(SQL_SUCCEEDED(environment.Allocate(SQL_HANDLE_ENV, SQL_NULL_HANDLE)));
  const TContestData open = HostRecord();
  const auto closed = reinterpret_cast<SQLHDBC>(static_cast<std::uintptr_t>(open.Connection));
  struct {
    const char* name;
    std::function<std::uint32_t()> connection;
    const char* message;
  } const cases[] = {
      {"closed",
       [&] {
         SQLDisconnect(closed);
         return open.Connection;
       },
       "Connection not open (SQLSTATE 08003)"},
      {"no connection",
       [&] {
         return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(environment.Get()));
       },
       "LogQuery: the database reported an error: invalid connection handle"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TContestData start = HostRecord();
    start.Connection = c.connection();
    const std::size_t boxesBefore = boxes.Texts().size();
    plugin.Run(0, &start);

    ASSERT_EQ(boxes.Texts().size(), boxesBefore + 1);
    EXPECT_NE(boxes.Texts().back().find(c.message), std::string::npos) << boxes.Texts().back();
    plugin.Release();
    PumpMessages();
  }
  expectedBoxes = boxes.Texts();
}

TEST_F(PluginTest, WithoutAConnectionTheRebuildSaysSo) {
  TContestData start = HostRecord();
  start.Connection = 0;
  expectedBoxes = {"LogQuery: no database connection"};

  const HWND window = plugin.Run(0, &start);

  EXPECT_TRUE(IsWindowVisible(window));
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&qso), 35);
}

// The host's handlers run at the rebuild's message points: here a call that waits in the queue
// when the rebuild begins, on the window's show (_Run) or on the button.
TEST_F(RecalcTest, CallsAtTheRebuildsMessagePointsFindValidStateAndCloseOnlyAfterIt) {
  const TContestData logged = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  struct {
    const char* name;
    std::function<void(PluginLibrary&)> call;
    bool open;  // the window is still there once the messages have been dispatched
  } const cases[] = {
      {"_AddQSO of a logged QSO", [&](PluginLibrary& p) { p.AddQSO(&logged); }, true},
      {"_GetScore", [&](PluginLibrary& p) { p.GetScore(&logged); }, true},
      {"the button", [](PluginLibrary&) { Click(RecalcButton(FindOwnWindow("TfmMainForm"))); },
       true},
      {"a close message",
       [](PluginLibrary&) { SendMessageA(FindOwnWindow("TfmMainForm"), WM_CLOSE, 0, 0); }, false},
      {"_Release", [](PluginLibrary& p) { p.Release(); }, false},
  };
  const TContestData start = HostRecord();
  for (bool onTheButton : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (onTheButton ? " on the button" : " on the show"));
      PostedCalls calls;
      HWND window = nullptr;
      if (onTheButton) {
        window = plugin.Run(0, &start);
        calls.Post([&] { c.call(plugin); });
        Click(RecalcButton(window));
      } else {
        calls.Post([&] { c.call(plugin); });
        window = plugin.Run(0, &start);
      }

      // The rebuild has finished on whole state; a close or release took effect only after it.
      if (c.open) {
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(MemoText(window), LogReport());
        EXPECT_TRUE(IsWindowEnabled(RecalcButton(window)));
        EXPECT_EQ(plugin.AddQSO(&logged), -1);
      } else {
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(plugin.AddQSO(&logged), 0);
      }
      PumpMessages();
      EXPECT_EQ(IsWindow(window) != FALSE, c.open);
      plugin.Release();
      PumpMessages();
    }
  }
}

// The host asks for the window after it asked it to close: the close, which waits for the rebuild,
// is called off, and the host holds a window that lives on.
TEST_F(RecalcTest, ARunDuringARebuildAfterACloseKeepsTheWindow) {
  const TContestData start = HostRecord();
  for (bool onTheButton : {false, true}) {
    SCOPED_TRACE(onTheButton ? "on the button" : "on the show");
    const auto [window, ran] = CloseAndRunDuringARebuild(start, start, onTheButton);

    EXPECT_EQ(ran, window);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(MemoText(window), LogReport());
    const TContestData logged = QsoRecord("DL1AB", "14", "CW", "599 KO72");
    EXPECT_EQ(plugin.AddQSO(&logged), -1);
    plugin.Release();
    PumpMessages();
  }
}

// The host asks for a window on another log after it asked the window to close: the close is
// finished as the rebuild's end would have finished it, the rebuild reading on from its own log
// (not from the new record's table, which its connection lacks), and the host holds a new window
// showing what a window made from that record alone shows.
TEST_F(RecalcTest, ARunDuringARebuildAfterACloseForAnotherLogGetsANewWindowOnThatLog) {
  TestLog other("Contest2");  // a file of its own, whose table the first log lacks
  other.Add({"OK1XYZ", "7", "CW", "599 JN79", "OK", "OK1", "EU"});
  struct {
    const char* name;
    std::function<void(TContestData&)> change;
  } const cases[] = {
      {"another connection and table",
       [&](TContestData& record) {
         record.Connection = other.Connection();
         record.LogTable.Write("Contest2");
       }},
      {"another log table",
       [](TContestData& record) {
         record.LogTable.Write("(select * from Log where CallSign <> 'W1AW')");
       }},
      {"another own locator", [](TContestData& record) { record.OwnLocator.Write("KO72"); }},
      {"another title", [](TContestData& record) { record.TitleText.Write("Winter Cup"); }},
  };
  const TContestData start = HostRecord();
  for (const auto& c : cases) {
    TContestData record = HostRecord();
    c.change(record);
    const HWND alone = plugin.Run(0, &record);
    const std::string report = MemoText(alone);
    plugin.Release();
    PumpMessages();
    for (bool onTheButton : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (onTheButton ? " on the button" : " on the show"));
      const auto [window, ran] = CloseAndRunDuringARebuild(start, record, onTheButton);

      EXPECT_NE(ran, window);
      EXPECT_FALSE(IsWindow(window));
      EXPECT_EQ(CountOwnWindows("TfmMainForm"), 1);
      EXPECT_TRUE(IsWindowVisible(ran));
      EXPECT_EQ(WindowText(ran), record.TitleText.Read() + " in Marovinta");
      EXPECT_EQ(MemoText(ran), report);
      plugin.Release();
      PumpMessages();
    }
  }
}

// A rebuild that fails after a close arrived has torn the state down: a _Run while its error is
// shown finishes that close and gets a new window.
TEST_F(RecalcTest, ARunWhileAFailedRebuildsErrorIsShownAfterACloseGetsANewWindow) {
  PostedCalls calls;
  TContestData missing = HostRecord();
  missing.LogTable.Write("Missing");
  const TContestData start = HostRecord();
  HWND ran = nullptr;
  std::atomic<bool> done{false};
  boxes.WhileShown([&] {
    calls.Post([&] {
      if (ran == nullptr) {
        ran = plugin.Run(0, &start);
      }
      done = true;
    });
    WaitFor(done);
  });
  calls.Post([] { SendMessageA(FindOwnWindow("TfmMainForm"), WM_CLOSE, 0, 0); });

  const HWND window = plugin.Run(0, &missing);
  PumpMessages();

  ASSERT_NE(ran, nullptr);
  EXPECT_NE(ran, window);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(IsWindowVisible(ran));
  EXPECT_EQ(MemoText(ran), LogReport());
  boxes.WhileShown(nullptr);
  ASSERT_EQ(boxes.Texts().size(), 1u);
  expectedBoxes = boxes.Texts();
}

TEST_F(PluginTest, ACloseOrReleaseWhileTheErrorIsShownTakesEffectAfterIt) {
  struct {
    const char* name;
    std::function<void(PluginLibrary&)> call;
  } const cases[] = {
      {"a close message",
       [](PluginLibrary&) { SendMessageA(FindOwnWindow("TfmMainForm"), WM_CLOSE, 0, 0); }},
      {"_Release", [](PluginLibrary& p) { p.Release(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PostedCalls calls;
    std::atomic<bool> ran{false};
    boxes.WhileShown([&] {
      calls.Post([&] {
        c.call(plugin);
        ran = true;
      });
      WaitFor(ran);
    });
    TContestData start = HostRecord();
    start.LogTable.Write("Missing");

    const HWND window = plugin.Run(0, &start);

    EXPECT_TRUE(ran);
    EXPECT_FALSE(IsWindowVisible(window));
    const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
    EXPECT_EQ(plugin.AddQSO(&qso), 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window));
    boxes.WhileShown(nullptr);
  }
  expectedBoxes = boxes.Texts();
  EXPECT_EQ(expectedBoxes.size(), 2u);
}
