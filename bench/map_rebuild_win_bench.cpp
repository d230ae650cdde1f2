// What an open locator map costs a rebuild: the map moves to the band of every log row the rebuild
// scores, repainting its 324 fields each time. Times the rebuild of a sample log through ODBC on
// SQLite, with the map closed and with it open, under Wine:
//   wine marovinta_wine_bench.exe UNIXPATH [ROWS [RUNS]]
// UNIXPATH is an SQLite file that does not exist yet (or holds a log of ROWS rows from an earlier
// run). The distance component is the in-process geometry, so the figures are the rebuild's own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "distance/geometry_distance.h"
#include "host/odbc_log_win.h"
#include "host/sample_log.h"
#include "io/odbc_log_query.h"
#include "scoring/log_rebuild.h"
#include "testing/quiet_recalc_host.h"
#include "ui/loc_list_win.h"
#include "ui/memory_settings_store.h"

namespace {
// As the statistics window does at the rebuild's message points, with the map it may have open.
class WindowRecalcHost : public QuietRecalcHost {
 public:
  using QuietRecalcHost::QuietRecalcHost;

  void ProcessMessages() override {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  void SelectMapBand(int index) override {
    if (map != nullptr) {
      map->SelectBand(index);
    }
  }

  TfmLocList* map = nullptr;
};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// The rebuild's times, sorted.
std::vector<double> TimeRebuilds(LogRebuild& rebuild, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    rebuild.Execute();
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
  }
  std::sort(times.begin(), times.end());
  return times;
}

void Print(const char* what, int rows, const std::vector<double>& times) {
  std::printf(
      "rebuild of %d rows, map %s: median %.1f ms, fastest %.1f ms, slowest %.1f ms (%zu runs)\n",
      rows, what, times[times.size() / 2], times.front(), times.back(), times.size());
}

int Bench(const std::string& path, int rows, int runs) {
  OdbcLog log(path, kDefaultLogTable);
  const long present = log.CountRows();
  if (present == 0) {
    log.InsertAll(SampleLog(rows));
  } else if (present != rows) {
    throw std::runtime_error(path + " holds " + std::to_string(present) + " rows, not " +
                             std::to_string(rows));
  }

  ScoringState scoring;
  scoring.CalcDist = std::make_shared<GeometryDistance>();
  WindowRecalcHost host(scoring);
  host.logTable = kDefaultLogTable;
  LogRebuild rebuild(scoring, host, std::make_unique<OdbcLogQuery>(log.Connection()));

  const std::vector<double> closed = TimeRebuilds(rebuild, runs);
  Print("closed", rows, closed);

  MemorySettingsStore store;
  FormStorage mainStorage(store, "Bench", kMainFormStorageOptions);
  TfmLocList::Create(scoring.WorkedFields, mainStorage, host.map);
  if (host.map == nullptr) {
    throw std::runtime_error("the map did not open");
  }
  host.ProcessMessages();  // the first paint
  const std::vector<double> open = TimeRebuilds(rebuild, runs);
  Print("open", rows, open);
  std::printf("open / closed: %.2f; the map ends on band index %s\n",
              open[open.size() / 2] / closed[closed.size() / 2],
              mainStorage.StoredValue(kCurrentBandName).value_or("?").c_str());
  host.map->DestroyWithOwner();
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: marovinta_wine_bench UNIXPATH [ROWS [RUNS]]\n");
    return 2;
  }
  const int rows = argc > 2 ? std::atoi(argv[2]) : 10000;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
  if (rows <= 0 || runs <= 0) {
    std::fprintf(stderr, "marovinta_wine_bench: ROWS and RUNS are positive numbers\n");
    return 2;
  }
  try {
    return Bench(argv[1], rows, runs);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "marovinta_wine_bench: %s\n", error.what());
    return 1;
  }
}
