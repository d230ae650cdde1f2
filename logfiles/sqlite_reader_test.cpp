#include "logfiles/sqlite_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "host/log_table.h"
#include "host/sample_log.h"
#include "logfiles/test_support.h"

namespace {
// An open connection with a statement run on it, kept while the test needs it.
class SqliteSession {
 public:
  explicit SqliteSession(const std::string& path) { sqlite3_open(path.c_str(), &db_); }
  ~SqliteSession() { sqlite3_close(db_); }
  bool Run(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }

 private:
  sqlite3* db_ = nullptr;
};
}  // namespace

TEST(SqliteReader, ReadsTheLogTableInRowIdOrder) {
  const TempDir dir;
  const std::string db =
      MakeDatabase(dir.Path("host.db"),
                   {"CREATE TABLE Settings (Name TEXT, Value TEXT)", CreateLogTable("QsoLog"),
                    "INSERT INTO QsoLog VALUES ('599 KO85', 'UA', 'UA', 'ZZ1ZZ', '14', 'CW', 'eu')",
                    "INSERT INTO QsoLog VALUES (NULL, NULL, NULL, 'AA1AA', 7, NULL, NULL)",
                    "INSERT INTO QsoLog VALUES ('" + std::string(300, 'x') +
                        "', '', '', 'dl1abc ', '14', 'ft8', '')"});
  const ContestLog log = ReadSqliteLog(db, "");
  EXPECT_EQ(log.format, "SQLite");
  EXPECT_TRUE(log.ownLocators.empty());
  ASSERT_EQ(log.qsos.size(), 3u);
  EXPECT_EQ(log.qsos[0].callSign, "ZZ1ZZ");
  EXPECT_EQ(log.qsos[0].exchange, "599 KO85");
  EXPECT_EQ(log.qsos[0].line, 1);
  // Values as the plug-in reads them: NULL as empty text, numbers as text, nothing trimmed.
  EXPECT_EQ(log.qsos[1].callSign, "AA1AA");
  EXPECT_EQ(log.qsos[1].band, "7");
  EXPECT_EQ(log.qsos[1].mode, "");
  EXPECT_EQ(log.qsos[1].exchange, "");
  EXPECT_EQ(log.qsos[2].callSign, "dl1abc ");
  EXPECT_EQ(log.qsos[2].mode, "ft8");
  EXPECT_EQ(log.qsos[2].exchange.size(), 300u);
}

TEST(SqliteReader, FindsOrChecksTheLogTable) {
  const TempDir dir;
  const std::string two = MakeDatabase(
      dir.Path("two.db"), {CreateLogTable("LogA"), CreateLogTable("LogB"),
                           "INSERT INTO LogB VALUES ('JO31', '', '', 'DL1ABC', '14', 'CW', '')",
                           "CREATE TABLE Partial (CallSign TEXT, DigiBand TEXT, QSOMode TEXT)"});
  const std::string none = MakeDatabase(dir.Path("none.db"), {"CREATE TABLE t (x)"});
  struct Case {
    std::string path, table, error;
  } cases[] = {
      {two, "", "several tables have the log columns (LogA, LogB); choose one with --table"},
      {none, "",
       "no table has the log columns QSOReportRecived, DXCCPrefix, MainPrefix, CallSign, "
       "DigiBand, QSOMode, Continent"},
      {two, "Partial", "table 'Partial' has no column QSOReportRecived"},
      {two, "Missing", "no table 'Missing' in the database"},
      {dir.Write("broken.db", std::string("SQLite format 3\0", 16) + std::string(200, '\x7f')), "",
       "cannot read the database: [SQLite]file is not a database (26) (SQLSTATE HY000)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " " + c.table);
    try {
      ReadSqliteLog(c.path, c.table);
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
  EXPECT_EQ(ReadSqliteLog(two, "logb").qsos.size(), 1u);  // table names ignore case
  EXPECT_EQ(ReadSqliteLog(two, "LogA").qsos.size(), 0u);
}

TEST(SqliteReader, ReadsALogWrittenWithTheHostsOwnStatements) {
  const TempDir dir;
  const std::string path =
      MakeDatabase(dir.Path("sample.db"), {CreateTableStatement(kDefaultLogTable)});
  const std::vector<LogRow> rows = TinyLog();
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* insert = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, InsertStatement(kDefaultLogTable).c_str(), -1, &insert, nullptr),
            SQLITE_OK);
  for (const LogRow& row : rows) {
    int index = 1;
    for (const std::string* value : ColumnValues(row)) {
      sqlite3_bind_text(insert, index++, value->c_str(), -1, SQLITE_TRANSIENT);
    }
    EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_close(db);

  const ContestLog log = ReadSqliteLog(path, "");
  ASSERT_EQ(log.qsos.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(log.qsos[i].callSign, rows[i].CallSign);
    EXPECT_EQ(log.qsos[i].band, rows[i].DigiBand);
    EXPECT_EQ(log.qsos[i].mode, rows[i].QSOMode);
    EXPECT_EQ(log.qsos[i].exchange, rows[i].QSOReportRecived);
  }
}

TEST(SqliteReader, RowIdsAreSixtyFourBitAndTheRealOnesEvenWhenAColumnTakesTheName) {
  const TempDir dir;
  const std::string db = MakeDatabase(
      dir.Path("host.db"),
      {"CREATE TABLE QSOLog (QSOReportRecived TEXT, DXCCPrefix TEXT, MainPrefix TEXT, CallSign "
       "TEXT, DigiBand TEXT, QSOMode TEXT, Continent TEXT, rowid TEXT)",
       "INSERT INTO QSOLog (_rowid_, CallSign, DigiBand, rowid) VALUES (5000000001, 'SECOND', "
       "'14', "
       "'a')",
       "INSERT INTO QSOLog (_rowid_, CallSign, DigiBand, rowid) VALUES (5000000000, 'FIRST', '14', "
       "'z')"});
  const ContestLog log = ReadSqliteLog(db, "");
  ASSERT_EQ(log.qsos.size(), 2u);
  EXPECT_EQ(log.qsos[0].callSign, "FIRST");
  EXPECT_EQ(log.qsos[0].line, 5000000000);
  EXPECT_EQ(log.qsos[1].callSign, "SECOND");
  EXPECT_EQ(log.qsos[1].line, 5000000001);
}

TEST(SqliteReader, ALockedLogIsWaitedForThenRefusedPlainly) {
  const TempDir dir;
  const std::string db = MakeDatabase(dir.Path("host.db"), {CreateLogTable("QSOLog")});
  SqliteSession logger(db);
  ASSERT_TRUE(logger.Run("BEGIN EXCLUSIVE"));
  const auto start = std::chrono::steady_clock::now();
  try {
    ReadSqliteLog(db, "");
    ADD_FAILURE() << "no error";
  } catch (const LogError& error) {
    EXPECT_EQ(std::string(error.what()),
              "the database is locked by another program (waited 3 s); try again when the logger "
              "has finished writing");
  }
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
}

// A logger that stopped in the middle of a transaction leaves a journal to roll it back with.
// The scorer reads the log as it was before, without writing the log or its journal.
TEST(SqliteReader, ALogWithALeftoverJournalIsReadWithoutWriting) {
  const TempDir dir;
  const std::string db =
      MakeDatabase(dir.Path("live.db"),
                   {CreateLogTable("QSOLog"),
                    "INSERT INTO QSOLog VALUES ('JO62', '', '', 'BEFORE', '14', 'CW', '')"});
  const std::string crashed = dir.Path("crashed.db");
  {
    SqliteSession logger(db);
    ASSERT_TRUE(logger.Run("PRAGMA cache_size = 1; BEGIN"));
    for (int i = 0; i < 200; ++i) {
      ASSERT_TRUE(logger.Run("INSERT INTO QSOLog VALUES ('" + std::string(200, 'x') +
                             "', '', '', 'DURING', '14', 'CW', '')"));
    }
    // What a crash now would leave: the database with some new pages, and the journal.
    std::filesystem::copy_file(db, crashed);
    std::filesystem::copy_file(db + "-journal", crashed + "-journal");
    ASSERT_TRUE(logger.Run("ROLLBACK"));
  }
  const std::string before = FileText(crashed);
  const std::string journal = FileText(crashed + "-journal");
  ASSERT_FALSE(journal.empty());

  const ContestLog log = ReadSqliteLog(crashed, "");
  ASSERT_EQ(log.qsos.size(), 1u);
  EXPECT_EQ(log.qsos[0].callSign, "BEFORE");
  ASSERT_EQ(log.warnings.size(), 1u);
  EXPECT_EQ(log.warnings[0].message,
            "the database has a leftover journal (" + crashed +
                "-journal): read from a copy with its unfinished transaction settled, the "
                "database itself left as it is");
  EXPECT_EQ(FileText(crashed), before);
  EXPECT_EQ(FileText(crashed + "-journal"), journal);
}
