#include "cli/scored_log.h"

#include "logfiles/log_reader.h"
#include "logfiles/log_text.h"

namespace {
void Warn(ScoredLog& scored, std::string message) {
  scored.log.warnings.push_back({0, std::move(message)});
}

// An HF log has no grids: it reads right and scores nothing, which is said rather than shown as
// a score that looks like a failure of the scorer.
void WarnWhenNoQsoHadALocator(ScoredLog& scored) {
  const LogScore& score = scored.score;
  const std::int64_t withSquare =
      score.zeroReasons[static_cast<std::size_t>(ZeroReason::kNone)] +
      score.zeroReasons[static_cast<std::size_t>(ZeroReason::kOutsideTable)];
  if (withSquare == 0 && score.duplicates < static_cast<int>(score.qsos.size())) {
    Warn(scored,
         "no QSO has a locator in its exchange, so none scores points (a contest without grids?)");
  }
}

void Score(ScoredLog& scored, const Options& options) {
  if (!options.own.empty() && !StartsWithSquare(options.own)) {
    throw LogError("own locator '" + options.own + "' is no Maidenhead locator");
  }
  const bool hadQsos = !scored.log.qsos.empty();
  scored.filtered = ApplyFilter(options.filter, scored.log);
  if (scored.filtered.untimed > 0) {
    Warn(scored, std::to_string(scored.filtered.untimed) +
                     " QSOs without a date and time were left out by --from and --to");
  }
  if (scored.log.qsos.empty()) {
    throw LogError(hadQsos ? "no QSO is left after --from, --to and --contest-id"
                           : "no QSO could be read from the log");
  }
  scored.score = ScoreQsos(scored.log.qsos, options.own, scored.log.headerLocator);
  WarnWhenNoQsoHadALocator(scored);
}
}  // namespace

ScoredLog ScoreLog(std::string file, ContestLog log, const Options& options) {
  ScoredLog scored;
  scored.file = std::move(file);
  scored.log = std::move(log);
  try {
    Score(scored, options);
  } catch (const LogError& error) {
    scored.error = error.what();
    scored.errorLine = error.Line();
  }
  return scored;
}

ScoredLog ScoreLogFile(const std::string& path, const Options& options) {
  ContestLog log;
  try {
    log = ReadLogFile(path, options.table, options.codePage, QsoDetail::kScoring);
  } catch (const LogError& error) {
    ScoredLog failed;
    failed.file = path;
    failed.error = error.what();
    failed.errorLine = error.Line();
    return failed;
  }
  return ScoreLog(path, std::move(log), options);
}
