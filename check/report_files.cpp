#include "check/report_files.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <stdexcept>

#include "check/check_findings.h"
#include "check/findings.h"
#include "check/html_summary.h"
#include "check/log_report.h"
#include "check/result_folder.h"
#include "check/ubn_report.h"
#include "threads/parallel_for.h"

namespace {
// Letters, digits and '-' stay; anything else a file name might not take becomes '-'.
std::string SafeName(const std::string& text) {
  std::string name;
  for (char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    name += plain ? c : '-';
  }
  return name.empty() ? "log" : name;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  file.close();
  if (!file) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

// A file in `folder` for each log, named by `nameOf` made safe, "-2", "-3"... after a name taken.
std::vector<std::string> PathsInFolder(const ContestLogs& logs, const char* folder,
                                       const std::function<std::string(const CheckLog&)>& nameOf) {
  std::vector<std::string> paths;
  std::set<std::string> taken;
  for (const CheckLog& log : logs.logs) {
    const std::string base = SafeName(nameOf(log));
    std::string name = base;
    for (int n = 2; !taken.insert(name).second; ++n) {
      name = base + "-" + std::to_string(n);
    }
    paths.push_back(std::string(folder) + "/" + name + ".txt");
  }
  return paths;
}

// The station's call, else the file's name.
std::string LogName(const CheckLog& log) {
  return log.stationCall.empty() ? std::filesystem::path(log.file).filename().string()
                                 : log.stationCall;
}
}  // namespace

std::vector<std::string> ReportPaths(const ContestLogs& logs) {
  return PathsInFolder(logs, kReportFolder, LogName);
}

std::vector<std::string> UbnPaths(const ContestLogs& logs, const CheckRules& rules) {
  return PathsInFolder(logs, kUbnFolder, [&](const CheckLog& log) {
    return LogName(log) + (rules.logPerBand && !log.band.empty() ? "-" + log.band : "");
  });
}

void WriteCheckReports(const std::string& folder, const ContestLogs& logs,
                       const CheckResult& result, const std::vector<ResultRow>& rows,
                       unsigned threads, ProgressBar& progress) {
  const std::filesystem::path root(folder);
  const std::vector<std::string> ubnPaths = UbnPaths(logs, result.rules);
  ClearResultFolder(folder);
  progress.Begin("writing", rows.size());
  WriteFile(root / "results.txt", ResultsText(logs, result, rows));
  WriteFile(root / "results.csv", ResultsCsv(logs, result, rows));
  WriteFile(root / "results.json", ResultsJson(logs, result, rows));
  WriteFile(root / "index.html", HtmlSummary(logs, result, rows));
  WriteFile(root / "findings.csv", FindingsCsv(CheckFindings(logs, result)));
  ParallelFor(rows.size(), threads, [&](std::size_t i) {
    const ResultRow& row = rows[i];
    WriteFile(root / row.report, LogReportText(logs, result, row.log, row.place));
    WriteFile(root / ubnPaths[row.log], UbnReportText(logs, result, row.log));
    progress.Advance();
  });
  progress.End();
}
