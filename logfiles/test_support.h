// Files for the tests: a temporary folder, what a file or a folder holds, an example of the README,
// and SQLite logs in the host's layout; the exchange of a QSO and the calls of a log as one value
// each, and a list for scoring held to a full one.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "logfiles/contest_log.h"
#include "logfiles/qso_list.h"

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "marovinta-test-XXXXXX");
    if (!mkdtemp(pattern.data())) {
      std::abort();
    }
    path_ = pattern;
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
    return Path(name);
  }

 private:
  std::filesystem::path path_;
};

// The whole content of a file, byte for byte; empty for a file that cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every file and folder under `folder`, at any depth, named relative to it, in name order.
inline std::vector<std::string> FilesUnder(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    names.push_back(std::filesystem::relative(entry.path(), folder).string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The indented block of README.md between "<!-- `name`" and "<!-- end of the `name` -->", its
// lines unindented and its blank lines kept, so that a test holds the README to what the code
// writes.
inline std::string ReadmeExample(const std::string& name) {
  const std::string readme = FileText(MAROVINTA_README);
  const std::size_t begin = readme.find("<!-- " + name);
  const std::size_t end = readme.find("<!-- end of the " + name + " -->");
  EXPECT_NE(begin, std::string::npos) << name;
  EXPECT_NE(end, std::string::npos) << name;
  std::istringstream block(begin < end ? readme.substr(begin, end - begin) : "");
  std::string line;
  std::getline(block, line);  // the marker's own
  std::string example;
  while (std::getline(block, line)) {
    example += (line.rfind("    ", 0) == 0 ? line.substr(4) : line) + "\n";
  }
  return example;
}

// Runs SQL statements on a new database file; aborts the test program on a failure.
inline std::string MakeDatabase(const std::string& path, const std::vector<std::string>& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    std::abort();
  }
  for (const std::string& statement : sql) {
    if (sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
      std::abort();
    }
  }
  sqlite3_close(db);
  return path;
}

// The CREATE statement of a log table in the host's layout.
inline std::string CreateLogTable(const std::string& name) {
  return "CREATE TABLE " + name +
         " (QSOReportRecived TEXT, DXCCPrefix TEXT, MainPrefix TEXT, CallSign TEXT,"
         " DigiBand TEXT, QSOMode TEXT, Continent TEXT)";
}

// The sent report, sent serial number, received report and received serial number of a QSO.
using Exchange = std::array<std::string, 4>;
inline Exchange ExchangeOf(const LogQso& qso) {
  return {qso.sentReport, qso.sentSerial, qso.receivedReport, qso.receivedSerial};
}

// The calls worked in a log, in its order.
inline std::vector<std::string> CallsOf(const ContestLog& log) {
  std::vector<std::string> calls;
  for (const LogQso& qso : log.qsos) {
    calls.push_back(qso.callSign);
  }
  return calls;
}

// `scoring` holds every QSO of `full` as `full` does, but the reports and serials, which it answers
// empty, and the duplicate mark.
inline void ExpectScoringListOf(const QsoList& scoring, const QsoList& full) {
  EXPECT_EQ(scoring.Detail(), QsoDetail::kScoring);
  ASSERT_EQ(scoring.size(), full.size());
  for (std::size_t i = 0; i < full.size(); ++i) {
    SCOPED_TRACE(i);
    for (std::size_t which = 0; which < kQsoTextCount; ++which) {
      SCOPED_TRACE(which);
      const QsoText text = static_cast<QsoText>(which);
      EXPECT_EQ(scoring.Text(i, text), which < kScoringTextCount ? full.Text(i, text) : "");
    }
    EXPECT_EQ(scoring.Line(i), full.Line(i));
    EXPECT_EQ(scoring[i].utcSeconds, full[i].utcSeconds);
    EXPECT_FALSE(scoring.MarkedDuplicate(i));
  }
}
