// The rebuild reads the log once: the plain read of its seven columns from every row
// (plain_log_read.h), against the whole rebuild (the read, the scoring of every row with the
// in-process distance component, the report), on the same SQLite file through the same ODBC
// driver, for sample logs of 10,000 and 100,000 rows.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

#include "bench/plain_log_read.h"
#include "distance/geometry_distance.h"
#include "host/sample_log.h"
#include "io/odbc_connection.h"
#include "io/odbc_log_query.h"
#include "scoring/log_rebuild.h"
#include "testing/quiet_recalc_host.h"
#include "testing/sqlite_log.h"

namespace {
// The sample log of that many rows, in an SQLite file in the host's layout: made once a size.
const TempSqliteFile& LogOf(int rows) {
  static std::map<int, std::unique_ptr<TempSqliteFile>> files;
  std::unique_ptr<TempSqliteFile>& file = files[rows];
  if (!file) {
    const std::vector<LogRow> log = SampleLog(rows);
    std::vector<HostLogRow> hostRows;
    for (const LogRow& row : log) {
      hostRows.push_back({row.CallSign.c_str(), row.DigiBand.c_str(), row.QSOMode.c_str(),
                          row.QSOReportRecived.c_str(), row.Continent.c_str(),
                          row.MainPrefix.c_str(), row.DXCCPrefix.c_str()});
    }
    file = std::make_unique<TempSqliteFile>();
    file->CreateLogTable("QSOLog");
    file->InsertRows("QSOLog", hostRows);
  }
  return *file;
}

void PlainRead(benchmark::State& state) {
  OdbcConnection connection(SqliteConnectionString(LogOf(static_cast<int>(state.range(0))).Path()));
  for (auto _ : state) {
    PlainLogRead(connection.Handle(), "QSOLog");
  }
}

void Rebuild(benchmark::State& state) {
  OdbcConnection connection(SqliteConnectionString(LogOf(static_cast<int>(state.range(0))).Path()));
  ScoringState scoring;
  scoring.CalcDist = std::make_shared<GeometryDistance>();
  QuietRecalcHost host(scoring);
  LogRebuild rebuild(scoring, host, std::make_unique<OdbcLogQuery>(connection.Handle()));
  for (auto _ : state) {
    rebuild.Execute();
  }
  state.counters["worked"] = static_cast<double>(scoring.WorkedList.Count());
}

BENCHMARK(PlainRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Rebuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}  // namespace
