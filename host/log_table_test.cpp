#include "host/log_table.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace {

// An in-memory SQLite database, enough to run the statements as the host runs them.
class LogTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK); }
  void TearDown() override { sqlite3_close(db_); }

  void Execute(const std::string& sql) {
    ASSERT_EQ(sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_) << " in " << sql;
  }

  void Insert(const std::string& table, const LogRow& row) {
    sqlite3_stmt* insert = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db_, InsertStatement(table).c_str(), -1, &insert, nullptr),
              SQLITE_OK)
        << sqlite3_errmsg(db_);
    int index = 1;
    for (const std::string* value : ColumnValues(row)) {
      sqlite3_bind_text(insert, index++, value->c_str(), -1, SQLITE_TRANSIENT);
    }
    EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE) << sqlite3_errmsg(db_);
    sqlite3_finalize(insert);
  }

  // Every row of a query, each as column name -> text.
  std::vector<std::map<std::string, std::string>> Rows(const std::string& sql) {
    std::vector<std::map<std::string, std::string>> rows;
    sqlite3_stmt* query = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &query, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_);
    while (query != nullptr && sqlite3_step(query) == SQLITE_ROW) {
      std::map<std::string, std::string>& row = rows.emplace_back();
      for (int i = 0; i < sqlite3_column_count(query); ++i) {
        const unsigned char* text = sqlite3_column_text(query, i);
        row[sqlite3_column_name(query, i)] = text ? reinterpret_cast<const char*>(text) : "";
      }
    }
    sqlite3_finalize(query);
    return rows;
  }

  sqlite3* db_ = nullptr;
};

TEST_F(LogTableTest, RowsReadBackByColumnNameThroughThePluginsQuery) {
  Execute(CreateTableStatement("Log"));
  Insert("Log", {"G4XYZ", "14", "CW", "599 IO91", "G", "G4", "EU"});
  Insert("Log", {"DL1AB", "7", "SSB", "59 jo31ab", "DL", "DL1", "eu"});

  const auto rows = Rows("Select * from Log order by CallSign");
  ASSERT_EQ(rows.size(), 2u);
  const std::map<std::string, std::string> first = {
      {"CallSign", "DL1AB"}, {"DigiBand", "7"},
      {"QSOMode", "SSB"},    {"QSOReportRecived", "59 jo31ab"},
      {"DXCCPrefix", "DL"},  {"MainPrefix", "DL1"},
      {"Continent", "eu"}};
  EXPECT_EQ(rows[0], first);
  EXPECT_EQ(rows[1].at("CallSign"), "G4XYZ");
}

TEST_F(LogTableTest, CreatingAgainKeepsTheRows) {
  Execute(CreateTableStatement("Log"));
  Insert("Log", {"DL1AB", "14", "CW", "599", "", "", ""});
  Execute(CreateTableStatement("Log"));
  EXPECT_EQ(Rows(CountStatement("Log"))[0].begin()->second, "1");
}

TEST_F(LogTableTest, NamesWithQuotesAndBlanksAreQuoted) {
  EXPECT_EQ(QuoteIdentifier("Log"), "\"Log\"");
  EXPECT_EQ(QuoteIdentifier("my \"best\" log"), "\"my \"\"best\"\" log\"");
  Execute(CreateTableStatement("my \"best\" log"));
  Insert("my \"best\" log", {"DL1AB", "14", "CW", "599", "", "", ""});
  EXPECT_EQ(Rows(CountStatement("my \"best\" log"))[0].begin()->second, "1");
}

}  // namespace
