// Writes a sample log as an SQLite file in the host's table layout, replacing the file if it
// exists.
//   marovinta-samplelog [--tiny] [--table NAME] FILE

#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/log_table.h"
#include "host/sample_log.h"
#include "host/sqlite_handles.h"

namespace {

void Check(sqlite3* db, int result, int expected) {
  if (result != expected) {
    throw std::runtime_error(sqlite3_errmsg(db));
  }
}

Database OpenFresh(const std::string& path) {
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  const int result = sqlite3_open(path.c_str(), &db);
  Database owner(db);
  Check(db, result, SQLITE_OK);
  return owner;
}

void Execute(sqlite3* db, const std::string& sql) {
  Check(db, sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
}

void WriteLog(const std::string& path, const std::string& table, const std::vector<LogRow>& log) {
  Database db = OpenFresh(path);
  Execute(db.get(), CreateTableStatement(table));
  Execute(db.get(), "BEGIN");
  sqlite3_stmt* raw = nullptr;
  Check(db.get(), sqlite3_prepare_v2(db.get(), InsertStatement(table).c_str(), -1, &raw, nullptr),
        SQLITE_OK);
  Statement insert(raw);
  for (const LogRow& row : log) {
    int index = 1;
    for (const std::string* value : ColumnValues(row)) {
      sqlite3_bind_text(insert.get(), index++, value->c_str(), static_cast<int>(value->size()),
                        SQLITE_TRANSIENT);
    }
    Check(db.get(), sqlite3_step(insert.get()), SQLITE_DONE);
    sqlite3_reset(insert.get());
  }
  Execute(db.get(), "COMMIT");
}

int Usage() {
  std::fprintf(stderr, "usage: marovinta-samplelog [--tiny] [--table NAME] FILE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool tiny = false;
  std::string table = kDefaultLogTable;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tiny") {
      tiny = true;
    } else if (arg == "--table" && i + 1 < argc) {
      table = argv[++i];
    } else if (path.empty() && arg.rfind("--", 0) != 0) {
      path = arg;
    } else {
      return Usage();
    }
  }
  if (path.empty()) {
    return Usage();
  }
  try {
    const std::vector<LogRow> log = tiny ? TinyLog() : SampleLog();
    WriteLog(path, table, log);
    std::printf("wrote %zu QSOs to %s (table %s)\n", log.size(), path.c_str(), table.c_str());
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "marovinta-samplelog: %s: %s\n", path.c_str(), error.what());
    return 1;
  }
}
