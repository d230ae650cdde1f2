// What the operator waits for, as the host sees it under Wine, on one generated log: the plain read
// of the log's seven columns, the distance component's share of a rebuild, the rebuild ("Recalc
// Statistic" pressed, the messages it leaves dispatched), _AddQSO in a burst with the messages the
// burst leaves, and _GetScore.
//   wine marovinta_wait_bench.exe UNIXPATH [ROWS [RUNS [PLUGIN]]]
// UNIXPATH is an SQLite file that does not exist yet (or holds a log of ROWS rows from an earlier
// run); ROWS defaults to 100,000, RUNS (each figure is the median of that many) to 5. PLUGIN is the
// DLL to load, Marovinta.dll beside this program unless given: another build's DLL gives its
// figures on the same log. The stand-in distance server must be registered in the prefix.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/plain_log_read.h"
#include "bench/rebuild_component_calls.h"
#include "distance/co_calc_dist_win.h"
#include "host/message_pump_win.h"
#include "host/odbc_log_win.h"
#include "host/own_windows_win.h"
#include "host/plugin_library_win.h"
#include "host/sample_log.h"
#include "scoring/band_names.h"
#include "testing/private_registry_win.h"

namespace {
constexpr char kOwnLocator[] = "JO62QM";
constexpr int kBurst = 1000;  // QSOs per burst of _AddQSO or _GetScore

double Now() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Milliseconds(const std::function<void()>& work) {
  const double start = Now();
  work();
  return Now() - start;
}

// The times of `runs` runs of `work`, in milliseconds, sorted.
std::vector<double> Time(int runs, const std::function<void(int run)>& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    times.push_back(Milliseconds([&] { work(run); }));
  }
  std::sort(times.begin(), times.end());
  return times;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string Spread(std::vector<double> values, double scale, const char* unit) {
  std::sort(values.begin(), values.end());
  char text[128];
  std::snprintf(text, sizeof text, "median %.3f%s (from %.3f to %.3f, %zu runs)",
                Median(values) * scale, unit, values.front() * scale, values.back() * scale,
                values.size());
  return text;
}

HWND FindRecalcButton(HWND window) {
  for (HWND button : Descendants(window, "Button")) {
    if (WindowText(button) == "Recalc Statistic") {
      return button;
    }
  }
  throw std::runtime_error("the statistics window has no button \"Recalc Statistic\"");
}

// The report's total line, read from the window's memo as the host reads it.
std::string ReportTotal(HWND window) {
  const std::vector<HWND> memos = Descendants(window, "Edit");
  if (memos.empty()) {
    throw std::runtime_error("the statistics window has no memo");
  }
  const std::string report = WindowText(memos.front());
  const std::size_t total = report.find("Total");
  return total == std::string::npos ? report
                                    : report.substr(total, report.find('\r', total) - total);
}

// New QSOs, none of them in the log nor in another burst: `burst` numbers them.
std::vector<TContestData> Burst(const TContestData& base, int burst) {
  std::vector<TContestData> records(kBurst, base);
  for (int i = 0; i < kBurst; ++i) {
    const int n = burst * kBurst + i;
    TContestData& record = records[static_cast<std::size_t>(i)];
    record.CallSign.Write("ZZ" + std::to_string(n) + "NEW");
    record.DigiBand.Write(BandNames[static_cast<std::size_t>(n) % BandNames.size()]);
    record.QSOMode.Write(n % 2 ? "CW" : "SSB");
    const std::string square = {
        static_cast<char>('A' + n % 18), static_cast<char>('A' + n / 18 % 18),
        static_cast<char>('0' + n % 10), static_cast<char>('0' + n / 10 % 10)};
    record.QSOReportRecived.Write("599 " + square);
    record.ProbeLocator.Write(square);
  }
  return records;
}

// The log of `rows` rows at `path`, written when the file holds none.
void PrepareLog(OdbcLog& log, const std::string& path, int rows) {
  const long present = log.CountRows();
  if (present == 0) {
    log.InsertAll(SampleLog(rows));
  } else if (present != rows) {
    throw std::runtime_error(path + " holds " + std::to_string(present) + " rows, not " +
                             std::to_string(rows));
  }
}

// Round by round, so that the three share whatever else the machine is doing.
void TimeRebuilds(SQLHDBC connection, HWND window, int runs) {
  const std::vector<ComponentCall> calls = RebuildCalls(connection, kDefaultLogTable, kOwnLocator);
  const std::shared_ptr<DistanceComponent> component = CreateCalcDistOverCom();
  const HWND recalc = FindRecalcButton(window);
  std::vector<double> plain;
  std::vector<double> alone;
  std::vector<double> rebuild;
  std::vector<double> ratio;  // (rebuild - component) / plain read of each round
  for (int run = 0; run < runs; ++run) {
    plain.push_back(Milliseconds([&] { PlainLogRead(connection, kDefaultLogTable); }));
    alone.push_back(Milliseconds([&] { Replay(*component, calls); }));
    rebuild.push_back(Milliseconds([&] {
      SendMessageW(recalc, BM_CLICK, 0, 0);
      PumpWaiting();
    }));
    ratio.push_back((rebuild.back() - alone.back()) / plain.back());
  }
  std::printf("plain read (7 columns by name, SQLGetData as wide text): %s\n",
              Spread(plain, 1, " ms").c_str());
  std::printf("the component alone (the rebuild's %zu calls): %s\n", calls.size(),
              Spread(alone, 1, " ms").c_str());
  std::printf("rebuild (\"Recalc Statistic\", messages included): %s\n",
              Spread(rebuild, 1, " ms").c_str());
  std::printf("  report: %s\n", ReportTotal(window).c_str());
  std::printf("rebuild's own work / plain read, (rebuild - component) / plain read: %s\n",
              Spread(ratio, 1, "").c_str());
}

// Bursts of new QSOs, the report read as the first burst returns, then the messages they left.
void TimeAddQsoBursts(PluginLibrary& plugin, const TContestData& base, HWND window, int runs) {
  std::vector<std::vector<TContestData>> bursts;
  for (int run = 0; run < runs; ++run) {
    bursts.push_back(Burst(base, run));
  }
  std::string afterBurst;
  const std::vector<double> times = Time(runs, [&](int run) {
    for (const TContestData& qso : bursts[static_cast<std::size_t>(run)]) {
      plugin.AddQSO(&qso);
    }
    if (run == 0) {
      afterBurst = ReportTotal(window);
    }
    PumpWaiting();
  });
  std::printf("_AddQSO in bursts of %d, messages included: %s per call\n", kBurst,
              Spread(times, 1000.0 / kBurst, " us").c_str());
  std::printf("  report read as the first burst returned: %s\n", afterBurst.c_str());
}

void TimeProbes(PluginLibrary& plugin, const TContestData& base, int runs) {
  const std::vector<TContestData> probes = Burst(base, runs);
  const std::vector<double> times = Time(runs, [&](int) {
    for (const TContestData& qso : probes) {
      plugin.GetScore(&qso);
    }
    PumpWaiting();
  });
  std::printf("_GetScore in bursts of %d: %s per call\n", kBurst,
              Spread(times, 1000.0 / kBurst, " us").c_str());
}

int Bench(const std::string& path, int rows, int runs, const std::string& pluginPath) {
  OdbcLog log(path, kDefaultLogTable);
  PrepareLog(log, path, rows);
  PluginLibrary plugin(pluginPath);
  TContestData record{};
  record.Connection =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(log.Connection()));
  record.LogTable.Write(kDefaultLogTable);
  record.OwnLocator.Write(kOwnLocator);
  record.TitleText.Write("Benchmark");
  const HWND window = plugin.Run(0, &record);
  if (window == nullptr) {
    throw std::runtime_error("_Run gave no window");
  }
  PumpWaiting();
  std::printf("log: %d rows in %s, plug-in %s\n", rows, path.c_str(), pluginPath.c_str());
  TimeRebuilds(log.Connection(), window, runs);
  TimeAddQsoBursts(plugin, record, window, runs);
  TimeProbes(plugin, record, runs);
  plugin.Release();
  PumpWaiting();
  return 0;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 5) {
    std::fprintf(stderr, "usage: marovinta_wait_bench UNIXPATH [ROWS [RUNS [PLUGIN]]]\n");
    return 2;
  }
  const int rows = argc > 2 ? std::atoi(argv[2]) : 100000;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
  const std::string plugin = argc > 4 ? argv[4] : kPluginFile;
  if (rows <= 0 || runs <= 0) {
    std::fprintf(stderr, "marovinta_wait_bench: ROWS and RUNS are positive numbers\n");
    return 2;
  }
  // The host initialises COM on its thread; the window's settings go to a registry of its own.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int status = 1;
  try {
    PrivateUserRegistry registry;
    status = Bench(argv[1], rows, runs, plugin);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "marovinta_wait_bench: %s\n", error.what());
  }
  CoUninitialize();
  return status;
}
