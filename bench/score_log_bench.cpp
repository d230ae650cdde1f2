// Reading and scoring whole logs: a 100,000-QSO ADIF file on one core, from one own square and a
// rover's from a different one for nearly every QSO, and a batch of 1,000 logs on two threads as
// marovinta-score runs it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>

#include "cli/log_reader.h"
#include "cli/score_command.h"
#include "cli/scored_log.h"

namespace {
constexpr int kBigLogQsos = 100000;
constexpr int kBatchLogs = 1000;
constexpr int kBatchLogQsos = 1000;

struct Band {
  const char* adif;
  const char* mhz;
  const char* khz;
};
constexpr Band kBands[] = {{"160m", "1.840", "1840"},  {"80m", "3.573", "3573"},
                           {"40m", "7.074", "7074"},   {"30m", "10.136", "10136"},
                           {"20m", "14.074", "14074"}, {"17m", "18.100", "18100"},
                           {"15m", "21.074", "21074"}, {"12m", "24.915", "24915"},
                           {"10m", "28.074", "28074"}, {"6m", "50.313", "50313"}};

// A log's QSOs drawn from a fixed pool of stations, so that calls repeat across bands and some
// QSOs are duplicates, as in a real contest.
struct QsoMaker {
  std::mt19937 random;
  explicit QsoMaker(unsigned seed) : random(seed) {}

  std::string Call() {
    const unsigned n = random() % 20000;
    std::string call = {static_cast<char>('A' + n % 26), static_cast<char>('A' + n / 26 % 26),
                        static_cast<char>('0' + n / 676 % 10)};
    return call + static_cast<char>('A' + n / 6760 % 26) + static_cast<char>('A' + n % 7);
  }
  std::string Grid() {
    if (random() % 10 == 0) {
      return "";  // some loggers leave the grid empty
    }
    const unsigned n = random();
    return {static_cast<char>('A' + n % 18), static_cast<char>('A' + n / 18 % 18),
            static_cast<char>('0' + n / 324 % 10), static_cast<char>('0' + n / 3240 % 10)};
  }
  const Band& PickBand() { return kBands[random() % std::size(kBands)]; }
  const char* Mode() { return random() % 4 == 0 ? "FT4" : "FT8"; }
};

std::string AdifField(const std::string& name, const std::string& value) {
  return "<" + name + ":" + std::to_string(value.size()) + ">" + value + " ";
}

// Own locators: the same for every QSO, or for a rover a different one for each QSO (a different
// square for each of the first 32,400, then subsquares of them).
std::string OwnLocator(int qso, bool rover) {
  if (!rover) {
    return "JO31LK";
  }
  const int square = qso % 32400;
  const int subsquare = qso / 32400;
  return {static_cast<char>('A' + square / 1800),       static_cast<char>('A' + square / 100 % 18),
          static_cast<char>('0' + square / 10 % 10),    static_cast<char>('0' + square % 10),
          static_cast<char>('a' + subsquare / 24 % 24), static_cast<char>('a' + subsquare % 24)};
}

// WSJT-X's layout: every record carries its times, reports, station and comment.
std::string AdifLog(int qsos, unsigned seed, bool rover = false) {
  QsoMaker make(seed);
  std::string text = "ADIF Export\n<adif_ver:5>3.1.1\n<programid:6>WSJT-X\n<eoh>\n";
  for (int i = 0; i < qsos; ++i) {
    const Band& band = make.PickBand();
    const std::string mode = make.Mode();
    text += AdifField("call", make.Call()) + AdifField("gridsquare", make.Grid()) +
            (mode == "FT4" ? AdifField("mode", "MFSK") + AdifField("submode", "FT4")
                           : AdifField("mode", "FT8")) +
            AdifField("rst_sent", "-05") + AdifField("rst_rcvd", "-12") +
            AdifField("qso_date", "20250830") + AdifField("time_on", "120000") +
            AdifField("qso_date_off", "20250830") + AdifField("time_off", "120100") +
            AdifField("band", band.adif) + AdifField("freq", band.mhz) +
            AdifField("station_callsign", "DL1ABC") +
            AdifField("my_gridsquare", OwnLocator(i, rover)) +
            AdifField("comment", "FT8  Sent: -05  Rcvd: -12") + "<eor>\n";
  }
  return text;
}

std::string CabrilloLog(int qsos, unsigned seed) {
  QsoMaker make(seed);
  std::string text = "START-OF-LOG: 3.0\nCONTEST: WW-DIGI\nCALLSIGN: DL1ABC\nGRID-LOCATOR: JO31\n";
  for (int i = 0; i < qsos; ++i) {
    std::string grid = make.Grid();
    text += "QSO: " + std::string(make.PickBand().khz) +
            " DG 2025-08-30 1200 DL1ABC        JO31   " + make.Call() + "        " +
            (grid.empty() ? "ZZ00" : grid) + "\n";
  }
  return text + "END-OF-LOG:\n";
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "marovinta-bench-XXXXXX");
    if (!mkdtemp(pattern.data())) {
      std::abort();
    }
    path_ = pattern;
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::string Write(const std::string& name, const std::string& content) const {
    const std::string file = (path_ / name).string();
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

 private:
  std::filesystem::path path_;
};

const TempDir& Files() {
  static const TempDir dir;
  return dir;
}

// Argument 0: one own square for the whole log; 1: a rover's, a different one for each QSO.
void ScoreAdifFile(benchmark::State& state) {
  const bool rover = state.range(0) != 0;
  const std::string file =
      Files().Write(rover ? "rover.adi" : "big.adi", AdifLog(kBigLogQsos, 1, rover));
  for (auto _ : state) {
    const ScoredLog scored = ScoreLogFile(file, Options());
    benchmark::DoNotOptimize(scored.score.score);
  }
  state.SetItemsProcessed(state.iterations() * kBigLogQsos);
  state.SetLabel(rover ? "QSOs/s: read, parse and score, 100,000 own locators"
                       : "QSOs/s: read, parse and score on one core");
}
BENCHMARK(ScoreAdifFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ParseAdifText(benchmark::State& state) {
  static const std::string text = AdifLog(kBigLogQsos, 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadLogText(text).qsos.size());
  }
  state.SetItemsProcessed(state.iterations() * kBigLogQsos);
  state.SetLabel("QSOs/s: parse only");
}
BENCHMARK(ParseAdifText)->Unit(benchmark::kMillisecond);

void ScoreParsedQsos(benchmark::State& state) {
  const ContestLog log = ReadLogText(AdifLog(static_cast<int>(state.range(0)), 1));
  for (auto _ : state) {
    benchmark::DoNotOptimize(ScoreQsos(log.qsos, "JO31LK").score);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetLabel("QSOs/s: score only");
}
BENCHMARK(ScoreParsedQsos)->Arg(1000)->Arg(10000)->Arg(kBigLogQsos)->Unit(benchmark::kMillisecond);

// Half ADIF, half Cabrillo; marovinta-score's own batch path, output thrown away.
void ScoreBatchOnTwoThreads(benchmark::State& state) {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> names;
    for (int i = 0; i < kBatchLogs; ++i) {
      names.push_back(
          i % 2 ? Files().Write("log" + std::to_string(i) + ".adi", AdifLog(kBatchLogQsos, 100 + i))
                : Files().Write("log" + std::to_string(i) + ".log",
                                CabrilloLog(kBatchLogQsos, 100 + i)));
    }
    return names;
  }();
  Options options;
  options.files = files;
  options.jobs = 2;
  std::ostream discard(nullptr);
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunScorer(options, discard, discard));
  }
  state.SetItemsProcessed(state.iterations() * kBatchLogs * kBatchLogQsos);
  state.counters["logs/s"] = benchmark::Counter(static_cast<double>(kBatchLogs),
                                                benchmark::Counter::kIsIterationInvariantRate);
  state.SetLabel("1,000 logs of 1,000 QSOs, wall time");
}
BENCHMARK(ScoreBatchOnTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace
