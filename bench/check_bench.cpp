// The check of a large simulated contest, as an organiser would run it: marovinta-check on 10,000
// logs of 1,000 QSOs, on all cores, writing every report. Prints the time the simulator took to
// write the logs (setup, not part of the check), the check's wall time, CPU time and peak memory
// (measured on the child process, as /usr/bin/time does), its phases, and how well its findings
// agree with the injected faults. With --vhf the contest is a VHF one (per-band EDI logs with
// serials, reports and 6-character locators), checked by rules/iaru-r1-vhf.rules unless --rules
// gives others; the rules' period and bands are made the simulated contest's.
//
//   marovinta_check_bench [--logs N] [--qsos N] [--vhf] [--rules FILE] [--keep FOLDER]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "check/check_rules.h"
#include "check/finding_scores.h"
#include "command_line/command_line.h"
#include "simulator/contest_simulator.h"
#include "simulator/simulated_files.h"
#include "simulator/simulated_rules.h"

extern char** environ;

namespace {
constexpr double kLongestSeconds = 60;
constexpr double kLargestGigabytes = 4;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

struct ChildRun {
  int status = -1;
  double wallSeconds = 0;
  double cpuSeconds = 0;
  long peakKilobytes = 0;
};

// Runs the program with standard output and error going to files.
ChildRun Run(const std::vector<std::string>& command, const std::string& out,
             const std::string& err) {
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<char*> argv;
  for (const std::string& word : command) {
    argv.push_back(const_cast<char*>(word.c_str()));
  }
  argv.push_back(nullptr);
  ChildRun run;
  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) {
    posix_spawn_file_actions_destroy(&files);
    return run;
  }
  posix_spawn_file_actions_destroy(&files);
  struct rusage usage {};
  int status = 0;
  wait4(pid, &status, 0, &usage);
  run.wallSeconds = SecondsSince(start);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  run.peakKilobytes = usage.ru_maxrss;
  return run;
}
}  // namespace

int main(int argc, char** argv) {
  SimulationSettings settings;
  settings.logs = 10000;
  settings.qsosPerLog = 1000;
  settings.adifShare = 0.1;
  std::string keep;
  std::string rulesFile;
  try {
    const Arguments arguments =
        ParseArguments(std::vector<std::string>(argv + 1, argv + argc),
                       {"--logs", "--qsos", "--keep", "--rules"}, {"--vhf"});
    settings.logs = WholeOption(arguments, "--logs", settings.logs, 2, 1000000);
    settings.qsosPerLog = NumberOption(arguments, "--qsos", settings.qsosPerLog, 1, 1000000);
    keep = arguments.Has("--keep") ? arguments.values.at("--keep") : "";
    settings.vhf = arguments.flags.count("--vhf") != 0;
    if (settings.vhf) {
      settings.adifShare = 0;
      rulesFile = std::string(MAROVINTA_RULES_FOLDER) + "/iaru-r1-vhf.rules";
    }
    rulesFile = arguments.Has("--rules") ? arguments.values.at("--rules") : rulesFile;
  } catch (const CommandLineError& error) {
    std::cerr << "marovinta_check_bench: " << error.what() << "\n";
    return 2;
  }
  CheckRules rules;
  std::string rulesText;
  if (!rulesFile.empty()) {
    if (!std::ifstream(rulesFile)) {
      std::cerr << "marovinta_check_bench: cannot read " << rulesFile << "\n";
      return 2;
    }
    try {
      rulesText = WithSimulatedPeriod(ReadText(rulesFile), settings);
      rules = ParseRules(rulesText);
    } catch (const RulesError& error) {
      std::cerr << "marovinta_check_bench: " << rulesFile << ": " << error.what() << "\n";
      return 2;
    }
  }
  std::string folder = keep;
  if (folder.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "marovinta-check-XXXXXX");
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      return 1;
    }
    folder = pattern;
  }
  const std::filesystem::path root(folder);

  Clock::time_point start = Clock::now();
  std::size_t qsos = 0;
  try {
    const SimulatedContest contest = SimulateContest(settings);
    WriteSimulatedContest(contest, folder);
    for (const auto& log : contest.logs) {
      qsos += log.size();
    }
  } catch (const std::exception& error) {
    std::cerr << "marovinta_check_bench: " << error.what() << "\n";
    if (keep.empty()) {
      std::filesystem::remove_all(root);
    }
    return 2;
  }
  std::printf("setup: %zu %slogs, %zu QSOs simulated and written in %.1f s (%s)\n", settings.logs,
              settings.vhf ? "stations' VHF " : "", qsos, SecondsSince(start), folder.c_str());

  std::vector<std::string> command = {MAROVINTA_CHECK_PROGRAM, "--timings", "--out",
                                      (root / "check").string()};
  if (!rulesFile.empty()) {
    const std::filesystem::path contestRules = root / "contest.rules";
    std::ofstream(contestRules, std::ios::binary) << rulesText;
    command.insert(command.end(), {"--rules", contestRules.string()});
    std::printf("rules: %s, with the simulated period and bands (%s)\n", rulesFile.c_str(),
                contestRules.c_str());
  }
  command.push_back((root / "logs").string());
  const ChildRun run =
      Run(command, (root / "results-table.txt").string(), (root / "stderr.txt").string());
  std::printf("marovinta-check exit status %d\n%s", run.status,
              ReadText(root / "stderr.txt").c_str());
  const double gigabytes = static_cast<double>(run.peakKilobytes) / (1024.0 * 1024.0);
  std::printf("check: %.1f s wall, %.1f s CPU on %u cores, peak memory %.2f GB, %.0f QSOs/s\n",
              run.wallSeconds, run.cpuSeconds, std::thread::hardware_concurrency(), gigabytes,
              static_cast<double>(qsos) / run.wallSeconds);
  std::printf(
      "limits (%.0f s, %.0f GB): %s\n\n", kLongestSeconds, kLargestGigabytes,
      run.wallSeconds <= kLongestSeconds && gigabytes <= kLargestGigabytes ? "met" : "NOT met");

  const std::vector<Finding> truth = ParseFindingsCsv(ReadText(root / "truth.csv"));
  const std::vector<Finding> found = ParseFindingsCsv(ReadText(root / "check" / "findings.csv"));
  std::printf("%s", KindScoreTable(ScoreFindings(truth, found, rules)).c_str());

  if (keep.empty()) {
    std::filesystem::remove_all(root);
  }
  return run.status == 0 ? 0 : 1;
}
