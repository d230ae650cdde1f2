// Time to record one more QSO (score, keep the worked list in order, write the report) with
// 1,000, 10,000 and 100,000 QSOs already worked.
#include <benchmark/benchmark.h>

#include "distance/geometry_calc_dist.h"
#include "scoring/main_form_scoring.h"
#include "testing/fake_calc_dist.h"

namespace {
std::string Callsign(std::uint32_t n) {
  // Spread over the alphabet so that insertions land all over the list.
  n = n * 2654435761u;
  std::string call = "A";
  for (int i = 0; i < 5; ++i) {
    call.push_back(static_cast<char>('A' + n % 26));
    n /= 26;
  }
  return call + std::to_string(n % 10);
}

std::string Square(std::uint32_t n) {
  return {static_cast<char>('A' + n % 18), static_cast<char>('A' + n / 18 % 18),
          static_cast<char>('0' + n / 324 % 10), static_cast<char>('0' + n / 3240 % 10)};
}

const char* const kBands[] = {"1.8", "3.5", "7", "10", "14", "18", "21", "24", "28"};

void RecordQso(benchmark::State& state) {
  TContestData data{};
  data.OwnLocator.Write("JO31");
  StringSink sink;
  MainFormScoring scoring(data, sink, nullptr);
  scoring.CalcDist = std::make_shared<GeometryCalcDist>();
  const auto worked = static_cast<std::uint32_t>(state.range(0));
  auto fill = [&](std::uint32_t n) {
    data.CallSign.Write(Callsign(n));
    data.DigiBand.Write(kBands[n % 9]);
    data.QSOMode.Write(n % 3 ? "FT8" : "CW");
    data.QSOReportRecived.Write("-12 " + Square(n * 7));
  };
  for (std::uint32_t n = 0; n < worked; ++n) {
    fill(n);
    scoring.ScoreQSO(true);
  }
  std::uint32_t next = worked;
  for (auto _ : state) {
    fill(next++);
    benchmark::DoNotOptimize(scoring.ScoreQSO(true));
    scoring.ShowStatistic();
  }
  state.counters["worked"] = static_cast<double>(scoring.WorkedList.Count());
}
// Each iteration adds a QSO: cap the iterations so that the list grows by a tenth at most.
BENCHMARK(RecordQso)->Arg(1000)->Iterations(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordQso)->Arg(10000)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordQso)->Arg(100000)->Iterations(10000)->Unit(benchmark::kMicrosecond);
}  // namespace
