#include "check/log_reading.h"

#include <map>
#include <utility>

#include "check/portable_call.h"
#include "check/serial_columns.h"
#include "logfiles/log_reader.h"
#include "threads/parallel_for.h"

namespace {
constexpr std::string_view kSerialColumnsSwapped =
    "the serials sent and received stand in each other's columns (the received count up from QSO "
    "to QSO): read the other way round";

// Checks first: a log without a call cannot be matched, one without an own locator not scored.
std::string Problem(const ContestLog& content) {
  if (content.stationCall.empty()) {
    return "the log names no own call";
  }
  if (content.ownLocators.empty()) {
    return "the log names no own locator";
  }
  return {};
}

EngineRun ClaimedRun(const ContestLog& content, const std::string& ownLocator) {
  std::vector<EngineQso> qsos;
  qsos.reserve(content.qsos.size());
  for (std::size_t i = 0; i < content.qsos.size(); ++i) {
    const std::string_view qsoLocator = content.qsos.Text(i, QsoText::kOwnLocator);
    qsos.push_back({RecordedQsoOf(content.qsos, i),
                    qsoLocator.empty() ? ownLocator : std::string(qsoLocator)});
  }
  return ScoreOnEngine(qsos);
}

std::vector<std::int32_t> Answers(const EngineRun& run) {
  std::vector<std::int32_t> answers;
  answers.reserve(run.results.size());
  for (const QsoResult& result : run.results) {
    answers.push_back(RecordAnswer(result));
  }
  return answers;
}
}  // namespace

void EnterLog(ContestLogs& logs, std::size_t index, const std::string& file, ContestLog content) {
  CheckLog log;
  log.file = file;
  log.format = content.format;
  log.stationCall = content.stationCall;
  log.ownLocator = content.ownLocators.empty() ? std::string() : content.ownLocators.front();
  log.section = content.section;
  log.band = content.logBand;
  if (SerialColumnsSwapped(content.qsos)) {
    content.qsos = WithSerialColumnsSwapped(content.qsos);
    content.warnings.push_back({0, std::string(kSerialColumnsSwapped)});
  }
  log.warnings = std::move(content.warnings);
  log.error = Problem(content);
  std::vector<std::int32_t> answers;
  if (log.error.empty()) {
    try {
      const EngineRun run = ClaimedRun(content, log.ownLocator);
      log.claimed = run.tally;
      answers = Answers(run);
    } catch (const std::exception& error) {
      log.error = error.what();
    }
  }
  if (log.stationCall.empty()) {
    content.qsos.clear();  // nobody could have logged a station without a call
  }
  logs.Add(index, std::move(log), content.qsos, answers);
}

void SetAsideRepeatedStations(ContestLogs& logs, const CheckRules& rules) {
  std::map<std::pair<std::string, std::string>, std::size_t> firstOf;  // by station and band
  for (std::size_t i = 0; i < logs.logs.size(); ++i) {
    const std::string& call = logs.logs[i].stationCall;
    if (call.empty()) {
      continue;
    }
    const std::string station(rules.portableSuffixesIgnored ? WithoutPortableSuffixes(call) : call);
    const std::string band = rules.logPerBand ? logs.logs[i].band : std::string();
    const auto [first, isFirst] = firstOf.emplace(std::pair{station, band}, i);
    if (!isFirst) {
      logs.SetAside(i, "another log of " + call + (band.empty() ? "" : " for " + band) +
                           ": the station is ranked on " + logs.logs[first->second].file +
                           ", and this log takes no part");
    }
  }
}

ContestLogs ReadContestLogs(const std::vector<std::string>& files,
                            const std::optional<CodePage>& codePage, const CheckRules& rules,
                            unsigned threads, ProgressBar& progress) {
  ContestLogs logs(files.size());
  progress.Begin("reading", files.size());
  ParallelFor(files.size(), threads, [&](std::size_t i) {
    ContestLog content;
    try {
      content = ReadLogFile(files[i], "", codePage);
    } catch (const std::exception& error) {
      CheckLog failed;
      failed.file = files[i];
      failed.error = error.what();
      logs.Add(i, std::move(failed), {}, {});
      progress.Advance();
      return;
    }
    EnterLog(logs, i, files[i], std::move(content));
    progress.Advance();
  });
  SetAsideRepeatedStations(logs, rules);
  logs.Seal();
  progress.End();
  return logs;
}
