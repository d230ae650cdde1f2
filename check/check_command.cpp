#include "check/check_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>
#include <stdexcept>

#include "check/contest_check.h"
#include "check/log_reading.h"
#include "check/report_files.h"
#include "check/result_folder.h"
#include "check/results_table.h"
#include "command_line/command_line.h"
#include "logfiles/code_page.h"
#include "logfiles/printable.h"

const char* const kCheckUsage =
    "Usage: marovinta-check [OPTION]... LOG|FOLDER...\n"
    "Checks the logs of a Marovinta contest against each other: a QSO counts when the other\n"
    "station's log confirms it. Each log is read as marovinta-score reads it (Cabrillo, EDI,\n"
    "ADIF, ADX or the host's SQLite log; a folder stands for the files in it) and scored as\n"
    "claimed and as checked, on the plug-in's engine or as the contest's rules say. The results\n"
    "table, sorted by checked score, goes to standard output.\n"
    "\n"
    "  --rules FILE   the contest's rules: its period and bands, how its logs are\n"
    "                 matched and scored (rules/ has examples); without it the defaults\n"
    "  --out FOLDER   also write results.txt, results.csv, results.json, index.html,\n"
    "                 findings.csv, a report per log in reports/ and a UBN report\n"
    "                 per log in ubn/\n"
    "  --jobs N       threads (default: one per core)\n"
    "  --encoding NAME\n"
    "                 read a log that is not UTF-8 as written in the single-byte code page\n"
    "                 NAME (cp1250, cp1251, koi8-r...), its texts shown in UTF-8, as\n"
    "                 marovinta-score does\n"
    "  --timings      print the seconds each phase took on standard error\n"
    "  -h, --help     show this help\n"
    "\n"
    "A progress bar shows on standard error when it is a terminal. Exit status: 0 when every\n"
    "log was checked, 1 when a log could not be read or scored or the reports not written,\n"
    "2 for a wrong command line or rules file.\n";

namespace {
// Whether a folder's entry is taken as a log: a file, and an entry that cannot be looked at (a
// link to nothing or in a loop), whose reading then says why; not a folder, a device or a pipe.
bool TakenAsLog(const std::filesystem::directory_entry& entry) {
  if (entry.path().filename().string().rfind('.', 0) == 0) {
    return false;
  }
  std::error_code error;
  const std::filesystem::file_type type = entry.status(error).type();
  return error || type == std::filesystem::file_type::regular ||
         type == std::filesystem::file_type::not_found;
}

// The folder's logs in name order; when it cannot be listed (to the end) the folder itself
// follows, for its reading to say why.
std::vector<std::string> FolderLogs(const std::string& folder) {
  std::vector<std::string> inside;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (TakenAsLog(*entry)) {
      inside.push_back(entry->path().string());
    }
  }
  std::sort(inside.begin(), inside.end());
  if (error) {
    inside.push_back(folder);
  }
  return inside;
}
}  // namespace

std::vector<std::string> LogFilesOf(const std::vector<std::string>& operands) {
  std::vector<std::string> files;
  for (const std::string& operand : operands) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(operand, error);
    if (status.type() == std::filesystem::file_type::not_found) {
      throw std::runtime_error(operand + ": no such file or folder");
    }
    if (!std::filesystem::is_directory(status)) {
      files.push_back(operand);
      continue;
    }
    const std::vector<std::string> inside = FolderLogs(operand);
    files.insert(files.end(), inside.begin(), inside.end());
  }
  return files;
}

namespace {
// "timings: reading 12.10 s, ..., 41.20 s in all; 10000000 QSOs, 242718 QSOs/s".
std::string TimingsText(const ProgressBar& bar, std::size_t qsos) {
  std::string text = "timings:";
  double all = 0;
  for (const auto& [phase, seconds] : bar.PhaseSeconds()) {
    char part[64];
    std::snprintf(part, sizeof part, " %s %.2f s,", phase.c_str(), seconds);
    text += part;
    all += seconds;
  }
  char total[96];
  std::snprintf(total, sizeof total, " %.2f s in all; %zu QSOs, %.0f QSOs/s\n", all, qsos,
                all > 0 ? static_cast<double>(qsos) / all : 0.0);
  return text + total;
}

struct CheckOptions {
  std::vector<std::string> files;
  std::optional<CodePage> codePage;
  CheckRules rules;
  std::string out;
  unsigned jobs = 0;
  bool timings = false;
  bool help = false;
};

CheckOptions ParseCheckOptions(const std::vector<std::string>& arguments) {
  const Arguments parsed = ParseArguments(arguments, {"--rules", "--out", "--jobs", "--encoding"},
                                          {"--help", "--timings"});
  CheckOptions options;
  if (parsed.flags.count("--help")) {
    options.help = true;
    return options;
  }
  options.jobs = static_cast<unsigned>(WholeOption(parsed, "--jobs", 0, 1, 256));
  if (parsed.Has("--out")) {
    options.out = parsed.values.at("--out");
    CheckResultFolder(options.out);
  }
  if (parsed.operands.empty()) {
    throw CommandLineError("no logs given");
  }
  if (parsed.Has("--rules")) {
    options.rules = ReadRulesFile(parsed.values.at("--rules"));
  }
  if (parsed.Has("--encoding")) {
    options.codePage = EncodingOption(parsed.values.at("--encoding"));
  }
  options.files = LogFilesOf(parsed.operands);
  if (options.files.empty()) {
    throw CommandLineError("no logs in the folders given");
  }
  options.timings = parsed.flags.count("--timings") != 0;
  return options;
}

// The check itself, once the command line is read.
int Check(const CheckOptions& options, bool progress, std::ostream& out, std::ostream& err) {
  ProgressBar bar(progress, stderr);
  const ContestLogs logs =
      ReadContestLogs(options.files, options.codePage, options.rules, options.jobs, bar);
  const CheckResult result = CheckContest(logs, options.rules, options.jobs, bar);
  const std::vector<ResultRow> rows = RankResults(logs, result, ReportPaths(logs));
  int status = 0;
  for (const CheckLog& log : logs.logs) {
    if (!log.error.empty()) {
      err << Printable(log.file) << ": error: " << Printable(log.error) << "\n";
      status = 1;
    }
  }
  if (!(out << ResultsText(logs, result, rows)).flush()) {
    err << "marovinta-check: error: cannot write the results to standard output\n";
    status = 1;
  }
  if (!options.out.empty()) {
    try {
      WriteCheckReports(options.out, logs, result, rows, options.jobs, bar);
    } catch (const std::exception& error) {
      err << "marovinta-check: " << Printable(error.what()) << "\n";
      status = 1;
    }
  }
  if (options.timings) {
    err << TimingsText(bar, logs.qsos.size());
  }
  return status;
}

// The command; a failure other than a wrong command line or a report not written is thrown.
int CheckCommand(const std::vector<std::string>& arguments, bool progress, std::ostream& out,
                 std::ostream& err) {
  CheckOptions options;
  try {
    options = ParseCheckOptions(arguments);
  } catch (const std::exception& error) {
    err << "marovinta-check: " << Printable(error.what()) << "\nTry 'marovinta-check --help'.\n";
    return 2;
  }
  if (options.help) {
    return (out << kCheckUsage).flush() ? 0 : 1;
  }
  return Check(options, progress, out, err);
}
}  // namespace

int RunCheckCommand(const std::vector<std::string>& arguments, bool progress, std::ostream& out,
                    std::ostream& err) {
  try {
    return CheckCommand(arguments, progress, out, err);
  } catch (const std::bad_alloc&) {
    err << "marovinta-check: error: out of memory\n";
  } catch (const std::exception& error) {
    err << "marovinta-check: error: " << Printable(error.what()) << "\n";
  }
  return 1;
}
