// The rebuild reads the log once: the bare read of its seven columns from every row, against the
// whole rebuild (the same read, the scoring of every row with the in-process distance component,
// the report), on the same SQLite file through the same ODBC driver, for 10,000 and 100,000 rows.
#include <benchmark/benchmark.h>

#include <deque>
#include <map>

#include "distance/geometry_distance.h"
#include "io/odbc_log_query.h"
#include "scoring/log_rebuild.h"
#include "testing/quiet_recalc_host.h"
#include "testing/sqlite_log.h"

namespace {
const char* const kColumns[] = {"QSOReportRecived", "DXCCPrefix", "MainPrefix", "CallSign",
                                "DigiBand",         "QSOMode",    "Continent"};
const char* const kBands[] = {"1.8", "3.5", "7", "10", "14", "18", "21", "24", "28"};
const char* const kModes[] = {"CW", "SSB", "FT8"};
const char* const kPrefixes[] = {"DL", "OK", "SP", "G",  "F",  "I",
                                 "UA", "JA", "W",  "VK", "PY", "ZS"};
const char* const kContinents[] = {"EU", "eu", "AS", "NA", "OC", "SA", "AF"};

// A contest log of plausible QSOs: a few percent repeated (duplicates) or without a square.
class SampleLog {
 public:
  explicit SampleLog(int rows) {
    std::uint32_t seed = 12345;
    auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    std::vector<LogRow> log;
    for (int i = 0; i < rows; ++i) {
      if (i > 0 && next() % 100 < 3) {
        log.push_back(log[next() % log.size()]);  // worked again: a duplicate
        continue;
      }
      const std::uint32_t n = next();
      const char* prefix = kPrefixes[n % std::size(kPrefixes)];
      std::string call = std::string(prefix) + std::to_string(n / 16 % 10);
      for (int k = 0; k < 3; ++k) {
        call.push_back(static_cast<char>('A' + next() % 26));
      }
      const std::uint32_t q = next();
      const std::string square = {
          static_cast<char>('A' + q % 18), static_cast<char>('A' + q / 18 % 18),
          static_cast<char>('0' + q / 324 % 10), static_cast<char>('0' + q / 3240 % 10)};
      const std::string report = q % 20 == 0 ? "599" : "599 " + square;
      log.push_back({Keep(call), kBands[n % 9], kModes[n / 9 % 3], Keep(report),
                     kContinents[q % std::size(kContinents)], prefix, prefix});
    }
    file.CreateLogTable("QSOLog");
    file.InsertRows("QSOLog", log);
  }

  TempSqliteFile file;

 private:
  const char* Keep(const std::string& text) { return texts_.emplace_back(text).c_str(); }
  std::deque<std::string> texts_;  // the rows point into it: a deque never moves its entries
};

SampleLog& LogOf(int rows) {
  static std::map<int, std::unique_ptr<SampleLog>> logs;
  auto& log = logs[rows];
  if (!log) {
    log = std::make_unique<SampleLog>(rows);
  }
  return *log;
}

void BareRead(benchmark::State& state) {
  SampleLog& log = LogOf(static_cast<int>(state.range(0)));
  OdbcSqliteConnection connection(log.file.Path());
  OdbcLogQuery query(connection.Handle());
  for (auto _ : state) {
    query.SetSQL(LogSelect("QSOLog"));
    query.Open();
    for (; !query.Eof(); query.Next()) {
      for (const char* column : kColumns) {
        benchmark::DoNotOptimize(query.FieldByName(column));
      }
    }
    query.Close();
  }
}

void Rebuild(benchmark::State& state) {
  SampleLog& log = LogOf(static_cast<int>(state.range(0)));
  OdbcSqliteConnection connection(log.file.Path());
  ScoringState scoring;
  scoring.CalcDist = std::make_shared<GeometryDistance>();
  QuietRecalcHost host(scoring);
  LogRebuild rebuild(scoring, host, std::make_unique<OdbcLogQuery>(connection.Handle()));
  for (auto _ : state) {
    rebuild.Execute();
  }
  state.counters["worked"] = static_cast<double>(scoring.WorkedList.Count());
}

BENCHMARK(BareRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Rebuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}  // namespace
