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
    "  -h, --help               show this help\n";

namespace {
SimulationSettings Settings(const Arguments& arguments) {
  SimulationSettings s;
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
      WholeOption(arguments, "--largest-offset", s.largestOffsetMinutes, 3, 24 * 60));
  s.adifShare = NumberOption(arguments, "--adif", s.adifShare, 0, 1);
  s.hours = static_cast<int>(WholeOption(arguments, "--hours", s.hours, 1, 24 * 14));
  if (s.bustedCalls + s.bustedLocators + s.missing + s.duplicates > 1) {
    throw CommandLineError("the fault rates of a QSO add up to more than 1");
  }
  return s;
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
         "--missing", "--duplicates", "--clock-offsets", "--largest-offset", "--adif", "--hours"},
        {"--help"});
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
    std::size_t qsos = 0;
    for (const auto& log : contest.logs) {
      qsos += log.size();
    }
    out << "marovinta-contest: " << contest.logs.size() << " logs with " << qsos << " QSOs in "
        << folder << "/logs, the truth in " << folder
        << "/truth.csv; stations without a log: " << contest.stations.size() - contest.logs.size()
        << "\n";
  } catch (const std::exception& error) {
    err << "marovinta-contest: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
