#include "simulator/contest_command.h"

#include "command_line/command_line.h"
#include "simulator/contest_simulator.h"
#include "simulator/simulated_files.h"

const char* const kContestUsage =
    "Usage: marovinta-contest --out FOLDER [OPTION]...\n"
    "Simulates a Marovinta contest: stations working each other over the contest period, each\n"
    "QSO logged alike by both sides, with faults injected at the given rates. Writes each\n"
    "station's log to FOLDER/logs/ (Cabrillo, or ADIF) and the truth of every fault, with the\n"
    "class a check should give each QSO, to FOLDER/truth.csv. The same seed gives the same files.\n"
    "\n"
    "  --out FOLDER             where to write (made when missing)\n"
    "  --logs N                 stations that send a log (default 100)\n"
    "  --qsos N                 QSOs in a log, on average (default 200)\n"
    "  --silent RATE            stations that send no log, per station that does (default 0.1)\n"
    "  --seed N                 (default 1)\n"
    "  --busted-calls RATE      per QSO: one side logs a near call (default 0.01)\n"
    "  --busted-locators RATE   per QSO: one side copies a wrong square (default 0.01)\n"
    "  --missing RATE           per QSO: one side leaves it out (default 0.01)\n"
    "  --duplicates RATE        per QSO: one side logs it twice (default 0.005)\n"
    "  --clock-offsets RATE     per log: its clock is off by whole minutes (default 0.05)\n"
    "  --largest-offset MINUTES the largest clock offset (default 30; the least is 3)\n"
    "  --adif RATE              per log: written as ADIF (default 0)\n"
    "  --hours N                the contest period (default 24, from 2024-09-07 14:00 UTC)\n"
    "  -h, --help               show this help\n"
    "\n"
    "A VHF contest, as the IARU Region 1 contests are logged:\n"
    "  --vhf                    stations on 144, 432 and 1296 MHz exchange a report (59, or\n"
    "                           599 on CW), a serial from 001 per band and a 6-character\n"
    "                           locator, and send an EDI (REG1TEST) log per band they worked\n"
    "                           (dl1abc-144.edi); --qsos counts a station's QSOs on all bands,\n"
    "                           --busted-locators miscopies a sub-square, and a clock is off\n"
    "                           only where each of the station's logs has 10 QSOs with other\n"
    "                           logs to show it, by at most --largest-offset (default 20 here)\n"
    "  --busted-serials RATE    per QSO: one side copies a wrong serial (default 0.01)\n"
    "  --busted-reports RATE    per QSO: one side copies a wrong report (default 0.005)\n"
    "  --out-of-period RATE     per QSO: made before the period or after it (default 0.002)\n"
    "  --check-logs RATE        per station: its logs are check logs, PSect CHECK (default 0.02)\n"
    "  --one-band-logs RATE     per station working several bands: it sends the log of one\n"
    "                           only (default 0.1)\n"
    "  --marked-duplicates RATE per duplicate: the log marks it D (default 0.5)\n";

namespace {
// The IARU rules apply a clock offset up to 30 minutes: the simulator stays well inside.
constexpr std::uint64_t kLargestVhfOffsetMinutes = 20;
const char* const kVhfOptions[] = {"--busted-serials", "--busted-reports", "--out-of-period",
                                   "--check-logs",     "--one-band-logs",  "--marked-duplicates"};

void SetVhfSettings(const Arguments& arguments, SimulationSettings& s) {
  s.bustedSerials = NumberOption(arguments, "--busted-serials", s.bustedSerials, 0, 1);
  s.bustedReports = NumberOption(arguments, "--busted-reports", s.bustedReports, 0, 1);
  s.outOfPeriod = NumberOption(arguments, "--out-of-period", s.outOfPeriod, 0, 1);
  s.checkLogs = NumberOption(arguments, "--check-logs", s.checkLogs, 0, 1);
  s.oneBandLogs = NumberOption(arguments, "--one-band-logs", s.oneBandLogs, 0, 1);
  s.markedDuplicates = NumberOption(arguments, "--marked-duplicates", s.markedDuplicates, 0, 1);
}

SimulationSettings Settings(const Arguments& arguments) {
  SimulationSettings s;
  s.vhf = arguments.flags.count("--vhf") != 0;
  s.logs = WholeOption(arguments, "--logs", s.logs, 1, 1000000);
  s.qsosPerLog = NumberOption(arguments, "--qsos", s.qsosPerLog, 0, 1000000);
  s.silentShare = NumberOption(arguments, "--silent", s.silentShare, 0, 10);
  s.seed = WholeOption(arguments, "--seed", s.seed, 0, UINT64_MAX);
  s.bustedCalls = NumberOption(arguments, "--busted-calls", s.bustedCalls, 0, 1);
  s.bustedLocators = NumberOption(arguments, "--busted-locators", s.bustedLocators, 0, 1);
  s.missing = NumberOption(arguments, "--missing", s.missing, 0, 1);
  s.duplicates = NumberOption(arguments, "--duplicates", s.duplicates, 0, 1);
  s.clockOffsets = NumberOption(arguments, "--clock-offsets", s.clockOffsets, 0, 1);
  s.largestOffsetMinutes = static_cast<int>(
      WholeOption(arguments, "--largest-offset",
                  s.vhf ? kLargestVhfOffsetMinutes : s.largestOffsetMinutes, 3, 24 * 60));
  s.adifShare = NumberOption(arguments, "--adif", s.adifShare, 0, 1);
  s.hours = static_cast<int>(WholeOption(arguments, "--hours", s.hours, 1, 24 * 14));
  if (s.vhf) {
    if (arguments.Has("--adif")) {
      throw CommandLineError("--adif and --vhf: a VHF contest's logs are EDI");
    }
    SetVhfSettings(arguments, s);
  } else {
    for (const char* option : kVhfOptions) {
      if (arguments.Has(option)) {
        throw CommandLineError(std::string(option) + " needs --vhf");
      }
    }
  }
  const double vhfFaults = s.vhf ? s.bustedSerials + s.bustedReports + s.outOfPeriod : 0;
  if (s.bustedCalls + s.bustedLocators + s.missing + s.duplicates + vhfFaults > 1) {
    throw CommandLineError("the fault rates of a QSO add up to more than 1");
  }
  return s;
}

std::size_t QsoCount(const SimulatedContest& contest) {
  std::size_t qsos = 0;
  for (const auto& log : contest.logs) {
    qsos += log.size();
  }
  return qsos;
}

std::size_t FileCount(const SimulatedContest& contest) {
  std::size_t files = 0;
  for (std::size_t log = 0; log < contest.logs.size(); ++log) {
    for (std::uint8_t band = 0; band < std::size(kVhfBands); ++band) {
      files += contest.SentLogFor(static_cast<std::uint32_t>(log), band);
    }
  }
  return files;
}
}  // namespace

int RunContestCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
  SimulationSettings settings;
  std::string folder;
  try {
    const Arguments parsed = ParseArguments(
        arguments,
        {"--out", "--logs", "--qsos", "--silent", "--seed", "--busted-calls", "--busted-locators",
         "--missing", "--duplicates", "--clock-offsets", "--largest-offset", "--adif", "--hours",
         "--busted-serials", "--busted-reports", "--out-of-period", "--check-logs",
         "--one-band-logs", "--marked-duplicates"},
        {"--help", "--vhf"});
    if (parsed.flags.count("--help")) {
      out << kContestUsage;
      return 0;
    }
    if (!parsed.operands.empty()) {
      throw CommandLineError("unexpected argument '" + parsed.operands.front() + "'");
    }
    if (!parsed.Has("--out")) {
      throw CommandLineError("--out FOLDER is needed");
    }
    folder = parsed.values.at("--out");
    settings = Settings(parsed);
  } catch (const CommandLineError& error) {
    err << "marovinta-contest: " << error.what() << "\nTry 'marovinta-contest --help'.\n";
    return 2;
  }
  SimulatedContest contest;
  try {
    contest = SimulateContest(settings);
  } catch (const std::invalid_argument& error) {
    err << "marovinta-contest: " << error.what() << "\nTry 'marovinta-contest --help'.\n";
    return 2;
  }
  try {
    WriteSimulatedContest(contest, folder);
    out << "marovinta-contest: ";
    if (settings.vhf) {
      out << FileCount(contest) << " EDI logs of " << contest.logs.size() << " stations";
    } else {
      out << contest.logs.size() << " logs";
    }
    out << " with " << QsoCount(contest) << " QSOs in " << folder << "/logs, the truth in "
        << folder
        << "/truth.csv; stations without a log: " << contest.stations.size() - contest.logs.size()
        << "\n";
  } catch (const std::exception& error) {
    err << "marovinta-contest: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
