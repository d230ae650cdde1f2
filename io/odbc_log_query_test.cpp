// The ODBC log query and the rebuild over it, on SQLite files read through the SQLite ODBC driver.
#include "io/odbc_log_query.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sql.h>

#include "io/odbc_connection.h"
#include "scoring/log_rebuild.h"
#include "testing/fake_distance_component.h"
#include "testing/quiet_recalc_host.h"
#include "testing/sqlite_log.h"

using testing::HasSubstr;

namespace {
class OdbcLogTest : public testing::Test {
 protected:
  // Connects once the file holds its tables, as the host would be connected to its log.
  void Connect(const std::string& settings = "") {
    connection = std::make_unique<OdbcConnection>(SqliteConnectionString(file.Path()) + settings);
    query = std::make_unique<OdbcLogQuery>(connection->Handle());
  }

  void OpenLog(const std::string& table = "QSOLog") {
    query->SetSQL(LogSelect(table));
    query->Open();
  }

  TempSqliteFile file;
  std::unique_ptr<OdbcConnection> connection;
  std::unique_ptr<OdbcLogQuery> query;
};

std::string Message(const std::function<void()>& action) {
  try {
    action();
  } catch (const DatabaseError& e) {
    return e.what();
  }
  return "no error";
}

// The SQLite driver steps to a row as it fetches it, instead of reading the whole result at once.
constexpr char kStepAtFetch[] = ";StepAPI=1";

const std::vector<std::string> kFailingLogCalls = {"DL1AB", "G4A", "OK1X", "SP2Z", "W1AW"};

void CreateFailingLog(const TempSqliteFile& file) {
  file.CreateLogTable("QSOLog");
  file.InsertRows("QSOLog", {{"SP2Z", "7", "CW", ""},
                             {"DL1AB", "14", "CW", ""},
                             {"OK1X", "7", "CW", ""},
                             {"G4A", "21", "CW", ""},
                             {"W1AW", "3.5", "CW", ""}});
  file.Execute("CREATE INDEX QSOLogCallSign ON QSOLog (CallSign);");
}
}  // namespace

TEST_F(OdbcLogTest, ReadsTheNamedColumnsAsHostTextCutToTheirLength) {
  const std::string long300(300, 'x');
  const std::string long256(256, 'w');
  const std::string long1000 = std::string(999, 'y') + "z";
  std::string pairs300;  // 300 characters that UTF-16 holds as two units each
  for (int i = 0; i < 300; ++i) {
    pairs300 += "\xf0\x9f\x93\xa1";
  }
  file.CreateLogTable("QSOLog");
  file.InsertRows("QSOLog", {{"DL1AB", "", long256.c_str(), "Caf\xc3\xa9 \xd0\x96 KO85", nullptr,
                              long300.c_str(), long1000.c_str()},
                             {"ZZ9ZZ", "", "", pairs300.c_str()}});
  Connect();

  struct Case {
    const char* column;
    std::string whole;  // read with room for 1,000 characters
    std::string cut;    // read with room for 255
  } cases[] = {
      {"Continent", "", ""},  // NULL, and named before columns that come earlier
      {"CallSign", "DL1AB", "DL1AB"},
      {"callsign", "DL1AB", "DL1AB"},  // a column is found whatever the case of its name
      {"DIGIBAND", "", ""},
      {"QSOReportRecived", "Caf\xe9 ? KO85", "Caf\xe9 ? KO85"},  // UTF-8 in the file, Latin-1 here
      {"QSOMode", long256, long256.substr(0, 255)},
      {"MainPrefix", long300, long300.substr(0, 255)},
      {"DXCCPrefix", long1000, long1000.substr(0, 255)},
      {"QSOID", "1", "1"},  // an integer column reads as text
  };
  std::vector<LogField> fields;
  for (const Case& c : cases) {
    fields.push_back({c.column});
  }
  for (std::size_t room : {1000u, 255u}) {
    query->SetFields(fields, room);
    OpenLog();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      SCOPED_TRACE(std::string(cases[i].column) + " in " + std::to_string(room));
      EXPECT_EQ(query->Field(i), room == 1000 ? cases[i].whole : cases[i].cut);
    }
    query->Next();  // each pair is one character of the host's code page
    EXPECT_EQ(query->Field(4), std::string(std::min<std::size_t>(room, 300), '?'));
  }
}

// Blocks of every size, the one-row fetch of a driver that allows no blocks included, give every
// row with its own values.
TEST_F(OdbcLogTest, StepsThroughTheRowsInCallsignOrderWhateverTheRowsPerFetch) {
  file.CreateLogTable("QSOLog");
  file.InsertRows("QSOLog", {{"SP2Z", "7", "CW", ""},
                             {"DL1AB", "14", "CW", ""},
                             {"OK1X", nullptr, "CW", ""},
                             {"G4A", "21", "CW", ""},
                             {"W1AW", "3.5", "CW", ""}});
  connection = std::make_unique<OdbcConnection>(SqliteConnectionString(file.Path()));
  for (std::size_t rowsPerFetch : {1u, 2u, 3u, 5u, 256u}) {
    SCOPED_TRACE(rowsPerFetch);
    OdbcLogQuery blocks(connection->Handle(), rowsPerFetch);
    blocks.SetFields({{"CallSign"}, {"DigiBand"}}, 255);
    blocks.SetSQL(LogSelect("QSOLog"));
    blocks.Open();
    std::vector<std::string> rows;
    for (; !blocks.Eof(); blocks.Next()) {
      rows.push_back(std::string(blocks.Field(0)) + " " + std::string(blocks.Field(1)));
    }
    EXPECT_EQ(rows,
              (std::vector<std::string>{"DL1AB 14", "G4A 21", "OK1X ", "SP2Z 7", "W1AW 3.5"}));
    EXPECT_EQ(Message([&] { blocks.Field(0); }), "LogQuery: no current row");
  }
}

// A row that fails inside a block: the rows before it come, in order, then the error that a read
// of one row at a time gives at that row, wherever the row falls in its block.
TEST_F(OdbcLogTest, ARowErrorInsideABlockComesAfterTheRowsBeforeIt) {
  CreateFailingLog(file);
  Connect(kStepAtFetch);
  for (std::size_t failing = 0; failing < kFailingLogCalls.size(); ++failing) {
    std::string oneRowError;
    for (std::size_t rowsPerFetch : {1u, 2u, 3u, 5u, 256u}) {
      SCOPED_TRACE(kFailingLogCalls[failing] + " failing, " + std::to_string(rowsPerFetch) +
                   " rows per fetch");
      OdbcLogQuery blocks(connection->Handle(), rowsPerFetch);
      blocks.SetFields({{"CallSign"}, {"DigiBand"}}, 255);
      blocks.SetSQL(LogSelect(LogFailingAt("QSOLog", kFailingLogCalls[failing])));
      std::vector<std::string> rows;
      const std::string error = Message([&] {
        for (blocks.Open(); !blocks.Eof(); blocks.Next()) {
          rows.emplace_back(blocks.Field(0));
        }
      });
      EXPECT_EQ(rows, std::vector<std::string>(kFailingLogCalls.begin(),
                                               kFailingLogCalls.begin() + failing));
      EXPECT_THAT(error, HasSubstr("integer overflow"));
      if (rowsPerFetch == 1) {
        oneRowError = error;
      }
      EXPECT_EQ(error, oneRowError);
    }
  }

  // Opened again before it got to the failed row, the query has forgotten that row's error.
  OdbcLogQuery reopened(connection->Handle(), 256);
  reopened.SetFields({{"CallSign"}}, 255);
  reopened.SetSQL(LogSelect(LogFailingAt("QSOLog", "W1AW")));
  reopened.Open();
  reopened.SetSQL(LogSelect("QSOLog"));
  std::vector<std::string> rows;
  EXPECT_EQ(Message([&] {
              for (reopened.Open(); !reopened.Eof(); reopened.Next()) {
                rows.emplace_back(reopened.Field(0));
              }
            }),
            "no error");
  EXPECT_EQ(rows, kFailingLogCalls);
}

TEST_F(OdbcLogTest, FailuresCarryTheirMessage) {
  file.CreateLogTable("QSOLog", "Continent");
  file.InsertRows("QSOLog", {{"DL1AB", "14", "CW", ""}}, "Continent");
  Connect();
  query->SetFields({{"CallSign"}, {"Continent"}}, 255);
  OpenLog();
  EXPECT_EQ(query->Field(0), "DL1AB");
  EXPECT_EQ(Message([&] { query->Field(1); }), "LogQuery: Field 'Continent' not found");
  EXPECT_THAT(Message([&] { OpenLog("Nope"); }), HasSubstr("no such table: Nope"));
  EXPECT_THAT(Message([&] { OpenLog("Nope"); }), HasSubstr(" (SQLSTATE "));
  EXPECT_TRUE(query->Eof());

  OdbcLogQuery unconnected(nullptr);
  EXPECT_EQ(Message([&] { unconnected.Open(); }), "LogQuery: no database connection");
}

// A connection the host has closed meanwhile: the driver's message and state say so.
TEST_F(OdbcLogTest, AClosedConnectionIsReportedWithTheDriversStateAndMessage) {
  file.CreateLogTable("QSOLog");
  Connect();
  SQLDisconnect(connection->Handle());
  EXPECT_EQ(Message([&] { OpenLog(); }),
            "[unixODBC][Driver Manager]Connection not open (SQLSTATE 08003)");
}

TEST_F(OdbcLogTest, AColumnThatIsNotReadOnlyHasToExist) {
  file.CreateLogTable("QSOLog", "Continent");
  file.InsertRows("QSOLog", {{"DL1AB", "14", "CW", ""}}, "Continent");
  Connect();
  query->SetFields({{"DigiBand", false}, {"Continent", false}, {"CallSign"}}, 255);
  OpenLog();
  EXPECT_EQ(query->Field(0), "");
  EXPECT_EQ(Message([&] { query->Field(1); }), "LogQuery: Field 'Continent' not found");
  EXPECT_EQ(query->Field(2), "DL1AB");
}

TEST_F(OdbcLogTest, ClosingTheQueryLeavesTheConnectionOpen) {
  file.CreateLogTable("QSOLog");
  file.InsertRows("QSOLog", {{"DL1AB", "14", "CW", ""}});
  Connect();
  for (int run = 0; run < 2; ++run) {
    OdbcLogQuery other(connection->Handle());
    other.SetSQL(LogSelect("QSOLog"));
    other.SetFields({{"CallSign"}}, 255);
    other.Open();
    EXPECT_EQ(other.Field(0), "DL1AB");
    other.Close();
    EXPECT_TRUE(other.Eof());
  }
  query->SetFields({{"CallSign"}}, 255);
  OpenLog();
  EXPECT_EQ(query->Field(0), "DL1AB");
}

namespace {
// The rebuild as the statistics window runs it, over the SQLite log.
class OdbcRecalcTest : public OdbcLogTest {
 protected:
  void Rebuild(const std::string& table = "QSOLog") {
    if (!connection) {
      Connect();
    }
    state.Clear();
    state.CalcDist = std::make_shared<FakeDistanceComponent>();
    host.logTable = table;
    rebuild = std::make_unique<LogRebuild>(state, host,
                                           std::make_unique<OdbcLogQuery>(connection->Handle()));
    rebuild->Execute();
  }

  std::string RebuildError(const std::string& table = "QSOLog") {
    return Message([&] { Rebuild(table); });
  }

  ScoringState state;
  QuietRecalcHost host{state};
  std::unique_ptr<LogRebuild> rebuild;
};
}  // namespace

TEST_F(OdbcRecalcTest, RebuildsTheStateFromTheLog) {
  const std::string long300 = std::string(299, 'p') + "q";
  file.CreateLogTable("QSOLog");
  file.InsertRows("QSOLog", {{long300.c_str(), "", "CW", "KO02", "as", "SP", "SP"},
                             {"DL1AB", "14", "CW", "599 ko85"},
                             {"OK1X", "14", "SSB", "59"},
                             {"DL1AB", "14", "CW", "599 KO85"},
                             {"SP2Z", nullptr, "CW", "JO93"}});
  Rebuild();

  EXPECT_EQ(host.report,
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "   14\t    2\t   31\t    1\r\n"
            "     \t    2\t   62\t    2\r\n"
            "Total\t    4\t   93\t    3\r\n"
            " Score: 93 + (3 * 100) =393");
  // A long value comes in pieces, and a record field holds 255 characters of it.
  EXPECT_TRUE(state.WorkedList.Contains(long300.substr(0, 255), "", "CW"));
}

// The rows that came in the failing row's block before it are scored; the error ends the
// rebuild.
TEST_F(OdbcRecalcTest, TheRowsBeforeAFailingRowAreScored) {
  CreateFailingLog(file);
  Connect(kStepAtFetch);
  EXPECT_THAT(RebuildError(LogFailingAt("QSOLog", "SP2Z")), HasSubstr("integer overflow"));
  EXPECT_TRUE(state.WorkedList.Contains("DL1AB", "14", "CW"));
  EXPECT_TRUE(state.WorkedList.Contains("G4A", "21", "CW"));
  EXPECT_TRUE(state.WorkedList.Contains("OK1X", "7", "CW"));
  EXPECT_EQ(state.WorkedList.Count(), 3u);
}

TEST_F(OdbcRecalcTest, ALogWithoutRowsGivesTheEmptyReport) {
  file.CreateLogTable("QSOLog");
  Rebuild();
  EXPECT_EQ(host.report,
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "Total\t    0\t    0\t    0\r\n"
            " Score: 0 + (0 * 100) =0");
}

TEST_F(OdbcRecalcTest, ATableWithoutContinentFailsOnItsFirstRowOnly) {
  file.CreateLogTable("QSOLog", "Continent");
  file.InsertRows("QSOLog", {{"DL1AB", "14", "CW", "KO85"}}, "Continent");
  file.CreateLogTable("NoRows", "Continent");

  EXPECT_EQ(RebuildError(), "LogQuery: Field 'Continent' not found");
  EXPECT_EQ(host.report, "");
  EXPECT_TRUE(rebuild->Enabled());

  EXPECT_EQ(RebuildError("NoRows"), "no error");
}

TEST_F(OdbcRecalcTest, ABadTableNameGivesTheDatabaseMessage) {
  EXPECT_THAT(RebuildError("Nope"), HasSubstr("no such table: Nope"));
  EXPECT_TRUE(rebuild->Enabled());
}

// The database orders "CallSign" with letter case ignored, the duplicate test by bytes: rows come
// as dk1aa, DL1AB, ..., which a list kept in arrival order and searched by halving would get
// wrong.
TEST_F(OdbcRecalcTest, ACaseBlindCallsignOrderHidesNoDuplicate) {
  file.CreateLogTable("QSOLog", "", "NOCASE");
  file.InsertRows("QSOLog", {{"DL1AB", "14", "CW", ""},
                             {"dk1aa", "14", "CW", ""},
                             {"DL1AB", "14", "CW", ""},
                             {"DL1AB/P", "14", "CW", ""},
                             {"dl1ab", "14", "CW", ""},
                             {"DL1AB", "7", "CW", ""},
                             {"DL1AB", "14", "CW", ""}});
  Connect();
  query->SetFields({{"CallSign"}}, 255);
  OpenLog();
  std::vector<std::string> order;
  for (; !query->Eof(); query->Next()) {
    order.emplace_back(query->Field(0));
  }
  ASSERT_FALSE(std::is_sorted(order.begin(), order.end())) << "the database sorted by bytes";
  query->Close();

  Rebuild();
  EXPECT_EQ(state.WorkedList.Count(), 5u);
  EXPECT_EQ(host.report,
            "Band\t  QSOs\tPoints\tNewLoc\t\r\n"
            "   14\t    4\t    0\t    0\r\n"
            "    7\t    1\t    0\t    0\r\n"
            "Total\t    5\t    0\t    0\r\n"
            " Score: 0 + (0 * 100) =0");
}
