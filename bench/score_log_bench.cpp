// Reading and scoring whole logs: ADIF files of 1,000 to 1,000,000 QSOs on one core, in-process
// and as the marovinta-score command with its peak memory beside `grep -c` over the same file; a
// 100,000-QSO file from one own square and a rover's from a different one for nearly every QSO;
// and a batch of 1,000 logs on two threads as marovinta-score runs it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <ostream>
#include <random>
#include <vector>

#include "cli/score_command.h"
#include "cli/scored_log.h"
#include "logfiles/log_reader.h"
#include "scoring/square_number.h"
#include "scoring/worked_list.h"

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
  const int subsquare = qso / kSquareCount;
  return SquareText(qso % kSquareCount) + static_cast<char>('a' + subsquare / 24 % 24) +
         static_cast<char>('a' + subsquare % 24);
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

// One generated ADIF file per size, written once.
const std::string& AdifFileOf(int qsos) {
  static std::map<int, std::string> files;
  auto found = files.find(qsos);
  if (found == files.end()) {
    found =
        files.emplace(qsos, Files().Write(std::to_string(qsos) + ".adi", AdifLog(qsos, 1))).first;
  }
  return found->second;
}

// The goal's figure: read, parse and score a whole file, on one core.
void ScoreAdifFileOfSize(benchmark::State& state) {
  const int qsos = static_cast<int>(state.range(0));
  const std::string& file = AdifFileOf(qsos);
  for (auto _ : state) {
    const ScoredLog scored = ScoreLogFile(file, Options());
    benchmark::DoNotOptimize(scored.score.score);
  }
  state.SetItemsProcessed(state.iterations() * qsos);
  state.SetLabel("QSOs/s: read, parse and score");
}
BENCHMARK(ScoreAdifFileOfSize)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Runs a program with its standard output in a file; its wall time.
double WallSecondsOf(const std::vector<std::string>& arguments, const std::string& output) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // Not /dev/null: grep stops at the first match when it sees its output thrown away.
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  int status = 0;
  if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
      waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    std::abort();
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  return wall.count();
}

struct CommandRun {
  double seconds;
  long peakKiB;
};

// marovinta-score FILE, timed by the wall clock, with its peak resident memory as /usr/bin/time
// reads it from the kernel (a process spawned by this large one would count this one's memory as
// its own).
CommandRun RunScorerCommand(const std::string& file) {
  const std::string output = Files().Write("output.txt", "");
  const std::string peakFile = Files().Write("peak.txt", "");
  CommandRun run{};
  run.seconds =
      WallSecondsOf({"/usr/bin/time", "-f", "%M", "-o", peakFile, MAROVINTA_SCORE, file}, output);
  std::ifstream(peakFile) >> run.peakKiB;
  return run;
}

// The whole command on the same files as above, with its peak memory per QSO: all of it, and what
// it holds beyond its own for a one-QSO log. `grep -c '<eor>'` over the same file is timed beside
// it for reference.
void ScorerCommandBesideGrep(benchmark::State& state) {
  static const long ownKiB = RunScorerCommand(AdifFileOf(1)).peakKiB;
  const int qsos = static_cast<int>(state.range(0));
  const std::string& file = AdifFileOf(qsos);
  double scorer = 0;
  double grep = 0;
  long peakKiB = 0;
  for (auto _ : state) {
    const CommandRun run = RunScorerCommand(file);
    state.SetIterationTime(run.seconds);
    scorer += run.seconds;
    peakKiB = std::max(peakKiB, run.peakKiB);
    grep += WallSecondsOf({"grep", "-c", "<eor>", file}, Files().Write("count.txt", ""));
  }
  state.SetItemsProcessed(state.iterations() * qsos);
  state.counters["grep_ms"] = grep / static_cast<double>(state.iterations()) * 1e3;
  state.counters["x_grep"] = scorer / grep;
  state.counters["peak_MB"] = static_cast<double>(peakKiB) / 1024;
  state.counters["peak_B/QSO"] = static_cast<double>(peakKiB) * 1024 / qsos;
  state.counters["log_B/QSO"] = static_cast<double>(peakKiB - ownKiB) * 1024 / qsos;
  state.SetLabel("QSOs/s of marovinta-score FILE, wall time");
}
BENCHMARK(ScorerCommandBesideGrep)
    ->Arg(1000)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The duplicate test and the entry of every QSO of a 1,000,000-QSO log, as the scoring does them:
// the worked list's share of the scorer's time.
void RecordWorkedList(benchmark::State& state) {
  struct Entry {
    std::string callSign, band, mode;
  };
  static const std::vector<Entry> keys = [] {
    const ContestLog log = ReadLogText(AdifLog(1000000, 1));
    std::vector<Entry> qsos;
    for (const LogQso& qso : log.qsos) {
      qsos.push_back({qso.callSign, qso.band, qso.mode});
    }
    return qsos;
  }();
  for (auto _ : state) {
    WorkedQSOList worked;
    for (const Entry& qso : keys) {
      if (!worked.Contains(qso.callSign, qso.band, qso.mode)) {
        worked.Add(WorkedKey(qso.callSign, qso.band, qso.mode));
      }
    }
    benchmark::DoNotOptimize(worked.Count());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
  state.SetLabel("QSOs/s: duplicate test and entry only");
}
BENCHMARK(RecordWorkedList)->Unit(benchmark::kMillisecond);

// Argument 0: read for scoring, as the scorer reads; 1: read in full, as the check reads.
void ParseAdifText(benchmark::State& state) {
  static const std::string text = AdifLog(kBigLogQsos, 1);
  const QsoDetail detail = state.range(0) == 0 ? QsoDetail::kScoring : QsoDetail::kFull;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadLogText(text, std::nullopt, detail).qsos.size());
  }
  state.SetItemsProcessed(state.iterations() * kBigLogQsos);
  state.SetLabel(detail == QsoDetail::kScoring ? "QSOs/s: parse only, for scoring"
                                               : "QSOs/s: parse only, in full");
}
BENCHMARK(ParseAdifText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void ScoreParsedQsos(benchmark::State& state) {
  const ContestLog log =
      ReadLogText(AdifLog(static_cast<int>(state.range(0)), 1), std::nullopt, QsoDetail::kScoring);
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
