#include "logfiles/sqlite_reader.h"

#include <stdlib.h>

#include <charconv>
#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

#include "io/odbc_connection.h"
#include "io/odbc_log_query.h"
#include "logfiles/log_text.h"
#include "scoring/text_rules.h"

namespace fs = std::filesystem;

namespace {
// The host's log columns, as the plug-in's rebuild reads them.
constexpr const char* kLogColumns[] = {"QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign",
                                       "DigiBand",         "QSOMode",    "Continent"};
// The names under which SQLite shows a table's row id, unless a column of the table takes one.
constexpr const char* kRowIdNames[] = {"rowid", "_rowid_", "oid"};
constexpr const char* kRowIdColumn = "LogRowId";
// Names and values are read whole up to these lengths; no log's come near them (the scoring itself
// takes the 255 characters a host record holds).
constexpr std::size_t kNameChars = 1024;
constexpr std::size_t kValueChars = 4096;
// The files SQLite keeps beside a database while a transaction is unfinished.
constexpr const char* kJournalSuffixes[] = {"-journal", "-wal"};
// How long the driver waits for a lock at each step; a query takes two, so about 3 s in all.
constexpr int kLockWaitMilliseconds = 1500;

// A path as an SQLite URI filename: every byte that is not plainly safe is %-escaped, which also
// keeps the ODBC connection string's ';', '{' and '}' out of it.
std::string UriPath(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '/' || c == '.' || c == '-' || c == '_' || c == '~';
    if (plain) {
      uri += c;
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const unsigned char u = static_cast<unsigned char>(c);
      uri += '%';
      uri += kHex[u >> 4];
      uri += kHex[u & 15];
    }
  }
  return uri;
}

// StepAPI: the driver hands rows on as SQLite steps to them, rather than the whole result at once.
OdbcConnection Connect(const std::string& uri) {
  try {
    return OdbcConnection("DRIVER={SQLite3};Database=" + uri + ";Timeout=" +
                          std::to_string(kLockWaitMilliseconds) + ";NoCreat=1;StepAPI=1");
  } catch (const DatabaseError& error) {
    throw LogError(std::string("cannot open the database through ODBC: ") + error.what());
  }
}

// A database and its leftover journal copied into a folder of their own, removed with the object.
class RecoveryCopy {
 public:
  RecoveryCopy(const std::string& path, const std::string& journalSuffix) {
    std::string pattern = (fs::temp_directory_path() / "marovinta-score-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      throw LogError("cannot make a folder for a copy of the database");
    }
    folder_ = pattern;
    path_ = (folder_ / "log.db").string();
    std::error_code error;
    fs::copy_file(path, path_, error);
    if (!error) {
      fs::copy_file(path + journalSuffix, path_ + journalSuffix, error);
    }
    if (error) {
      fs::remove_all(folder_, error);
      throw LogError("cannot copy the database to recover it: " + error.message());
    }
  }
  ~RecoveryCopy() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  const std::string& Path() const { return path_; }

 private:
  fs::path folder_;
  std::string path_;
};

// The suffix of a journal that holds an unfinished transaction, or nothing.
std::optional<std::string> LeftoverJournal(const std::string& path) {
  for (const char* suffix : kJournalSuffixes) {
    std::error_code error;
    const auto size = fs::file_size(path + suffix, error);
    if (!error && size > 0) {
      return std::string(suffix);
    }
  }
  return std::nullopt;
}

// `text` between `quote`s, each quote inside doubled: an SQL string literal ('), or a name (").
std::string Quoted(const std::string& text, char quote) {
  std::string quoted(1, quote);
  for (char c : text) {
    quoted += c;
    if (c == quote) {
      quoted += c;
    }
  }
  return quoted + quote;
}

class LogDatabase {
 public:
  explicit LogDatabase(const std::string& uri)
      : connection_(Connect(uri)), query_(connection_.Handle()) {}

  // The column "name" of every row of `sql`.
  std::vector<std::string> Names(const std::string& sql) {
    std::vector<std::string> values;
    Open(sql, {{"name"}}, kNameChars);
    Guard([&]() {
      while (!query_.Eof()) {
        values.emplace_back(query_.Field(0));
        query_.Next();
      }
    });
    query_.Close();
    return values;
  }

  std::vector<std::string> ColumnNames(const std::string& table) {
    return Names("SELECT name FROM pragma_table_info(" + Quoted(table, '\'') + ")");
  }

  // The first of the log columns that the table lacks, or nothing.
  const char* MissingColumn(const std::string& table) {
    const std::vector<std::string> names = ColumnNames(table);
    for (const char* wanted : kLogColumns) {
      bool found = false;
      for (const std::string& name : names) {
        found = found || EqualsIgnoringCase(name, wanted);  // SQLite's names ignore case
      }
      if (!found) {
        return wanted;
      }
    }
    return nullptr;
  }

  std::string FindLogTable() {
    std::vector<std::string> found;
    for (std::string& name :
         Names("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
      if (!MissingColumn(name)) {
        found.push_back(std::move(name));
      }
    }
    if (found.empty()) {
      std::string list;
      for (const char* column : kLogColumns) {
        list += (list.empty() ? "" : ", ") + std::string(column);
      }
      throw LogError("no table has the log columns " + list);
    }
    if (found.size() > 1) {
      std::string names;
      for (const std::string& name : found) {
        names += (names.empty() ? "" : ", ") + name;
      }
      throw LogError("several tables have the log columns (" + names +
                     "); choose one with --table");
    }
    return found.front();
  }

  void CheckLogTable(const std::string& table) {
    if (Names("SELECT name FROM sqlite_master WHERE type = 'table' AND name = " +
              Quoted(table, '\'') + " COLLATE NOCASE")
            .empty()) {
      throw LogError("no table '" + table + "' in the database");
    }
    if (const char* missing = MissingColumn(table)) {
      throw LogError("table '" + table + "' has no column " + missing);
    }
  }

  // The name that reaches the table's row id: "rowid" unless a column of its own is called so.
  const char* RowIdName(const std::string& table) {
    const std::vector<std::string> names = ColumnNames(table);
    for (const char* candidate : kRowIdNames) {
      bool taken = false;
      for (const std::string& name : names) {
        taken = taken || EqualsIgnoringCase(name, candidate);
      }
      if (!taken) {
        return candidate;
      }
    }
    return nullptr;
  }

  void ReadRows(const std::string& table, ContestLog& log) {
    const std::string columns = "QSOReportRecived, CallSign, DigiBand, QSOMode";
    std::vector<LogField> fields = {{"QSOReportRecived"}, {"CallSign"}, {"DigiBand"}, {"QSOMode"}};
    const char* rowId = RowIdName(table);
    bool byRowId = rowId != nullptr;
    if (byRowId) {
      try {
        std::vector<LogField> withRowId = fields;
        withRowId.push_back({kRowIdColumn});
        Open("SELECT " + columns + ", " + rowId + " AS " + kRowIdColumn + " FROM " +
                 Quoted(table, '"') + " ORDER BY " + rowId,
             std::move(withRowId), kValueChars);
      } catch (const LogError&) {
        byRowId = false;  // a table WITHOUT ROWID: read in its own order
      }
    }
    if (!byRowId) {
      Open("SELECT " + columns + " FROM " + Quoted(table, '"'), std::move(fields), kValueChars);
      log.warnings.push_back({0,
                              "the table has no row id to tell the logging order by; read "
                              "in the database's own order"});
    }
    std::int64_t sequence = 0;
    while (!query_.Eof()) {
      LogQso qso;
      qso.exchange = Field(0);
      qso.callSign = Field(1);
      qso.band = Field(2);
      qso.mode = Field(3);
      ++sequence;
      qso.line = byRowId ? RowId(Field(4), sequence) : sequence;
      log.qsos.push_back(qso);
      Next();
    }
    query_.Close();
  }

 private:
  static std::int64_t RowId(const std::string& text, std::int64_t fallback) {
    std::int64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : fallback;
  }

  // Runs `sql`, reading `fields` of each row, each value cut to `maxChars` characters.
  void Open(const std::string& sql, std::vector<LogField> fields, std::size_t maxChars) {
    Guard([&]() {
      query_.Close();
      query_.SetFields(std::move(fields), maxChars);
      query_.SetSQL(sql);
      query_.Open();
    });
  }

  std::string Field(std::size_t index) {
    std::string value;
    Guard([&]() { value = std::string(query_.Field(index)); });
    return value;
  }

  void Next() {
    Guard([&]() { query_.Next(); });
  }

  // The query's errors as the scorer's, a lock said plainly.
  template <typename Body>
  void Guard(Body body) {
    try {
      body();
    } catch (const DatabaseError& error) {
      const std::string message = error.what();
      if (message.find("database is locked") != std::string::npos) {
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - opened_);
        throw LogError("the database is locked by another program (waited " +
                       std::to_string((waited.count() + 500) / 1000) +
                       " s); try again when the logger has finished writing");
      }
      throw LogError("cannot read the database: " + message);
    }
  }

  std::chrono::steady_clock::time_point opened_ = std::chrono::steady_clock::now();
  OdbcConnection connection_;
  OdbcLogQuery query_;
};
}  // namespace

ContestLog ReadSqliteLog(const std::string& path, const std::string& table, QsoDetail detail) {
  ContestLog log;
  log.format = "SQLite";
  log.qsos = QsoList(detail);
  std::optional<RecoveryCopy> copy;
  std::string uri = UriPath(path) + "?mode=ro";
  if (const std::optional<std::string> journal = LeftoverJournal(path)) {
    copy.emplace(path, *journal);
    uri = UriPath(copy->Path());
    log.warnings.push_back({0, "the database has a leftover journal (" + path + *journal +
                                   "): read from a copy with its unfinished transaction "
                                   "settled, the database itself left as it is"});
  }
  LogDatabase database(uri);
  const std::string logTable = table.empty() ? database.FindLogTable() : table;
  if (!table.empty()) {
    database.CheckLogTable(table);
  }
  database.ReadRows(logTable, log);
  return log;
}
