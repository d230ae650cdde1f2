// Time to record one more QSO (score, keep the worked list in order, write the report) with
// 1,000, 10,000 and 100,000 QSOs already worked.
#include <benchmark/benchmark.h>

#include "distance/geometry_distance.h"
#include "scoring/band_names.h"
#include "scoring/scoring_state.h"

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

void RecordQso(benchmark::State& state) {
  const std::string ownLocator = "JO31";
  ScoringState scoring;
  scoring.CalcDist = std::make_shared<GeometryDistance>();
  const auto worked = static_cast<std::uint32_t>(state.range(0));
  auto qso = [&](std::uint32_t n) {
    return Qso{Callsign(n), BandNames[n % BandNames.size()], n % 3 ? "FT8" : "CW",
               "-12 " + Square(n * 7), ""};
  };
  for (std::uint32_t n = 0; n < worked; ++n) {
    scoring.ScoreQSO(qso(n), ownLocator, ScoreMode::Record);
  }
  std::uint32_t next = worked;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scoring.ScoreQSO(qso(next++), ownLocator, ScoreMode::Record));
    benchmark::DoNotOptimize(scoring.ReportText());
  }
  state.counters["worked"] = static_cast<double>(scoring.WorkedList.Count());
}
// Each iteration adds a QSO: cap the iterations so that the list grows by a tenth at most.
BENCHMARK(RecordQso)->Arg(1000)->Iterations(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordQso)->Arg(10000)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RecordQso)->Arg(100000)->Iterations(10000)->Unit(benchmark::kMicrosecond);
}  // namespace
