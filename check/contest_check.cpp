#include "check/contest_check.h"

#include <map>
#include <tuple>

#include "check/busted_calls.h"
#include "check/clock_offsets.h"
#include "check/match_context.h"
#include "check/qso_matching.h"
#include "check/qso_pairs.h"
#include "check/rules_scoring.h"
#include "threads/parallel_for.h"

namespace {
// Pieces of the index each pass hands out to the threads: enough that the progress moves
// smoothly and no thread waits long for the other.
constexpr std::size_t kChunks = 64;

// A duplicate's partner is the entry of its log it repeats (same call, band and mode); one the
// log marks repeats none when it is the first.
void MarkDuplicates(const ContestLogs& logs, std::size_t log, std::vector<QsoOutcome>& outcomes) {
  using Key = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;
  const CheckLog& entry = logs.logs[log];
  std::map<Key, std::uint32_t> firstOf;  // the first entry of each; made at the first duplicate
  for (std::size_t q = entry.first; q < entry.first + entry.count; ++q) {
    if (!IsDuplicate(logs.qsos[q])) {
      continue;
    }
    if (firstOf.empty()) {
      for (std::size_t p = entry.first; p < entry.first + entry.count; ++p) {
        const CheckQso& earlier = logs.qsos[p];
        firstOf.emplace(Key{earlier.call, earlier.band, earlier.mode},
                        static_cast<std::uint32_t>(p));
      }
    }
    const CheckQso& qso = logs.qsos[q];
    const auto first = firstOf.find(Key{qso.call, qso.band, qso.mode});
    const bool repeats = first != firstOf.end() && first->second != q;
    outcomes[q] = {QsoClass::kDuplicate, repeats ? first->second : kNoPartner};
  }
}

// Every entry made outside the contest's period or bands is out of period, before the matching,
// which passes it over.
void MarkOutOfPeriod(const MatchContext& context, const std::vector<PairEntry>& entries,
                     std::vector<QsoOutcome>& outcomes) {
  for (const PairEntry& entry : entries) {
    if (!context.InPeriod(entry.qso)) {
      outcomes[entry.qso] = {QsoClass::kOutOfPeriod, kNoPartner};
    }
  }
}
}  // namespace

CheckResult CheckContest(const ContestLogs& logs, const CheckRules& rules, unsigned threads,
                         ProgressBar& progress) {
  CheckResult result;
  result.rules = rules;
  result.outcomes.resize(logs.qsos.size());
  result.logs.resize(logs.logs.size());
  MatchContext context(logs, rules);

  const std::vector<PairEntry> entries = SortedPairs(context, threads);
  const auto chunks = GroupChunks(entries, kChunks);
  progress.Begin("matching", 2 * chunks.size());
  const std::vector<ClockEstimate> clocks =
      EstimateClockOffsets(context, entries, chunks, threads, progress);
  for (std::size_t log = 0; log < clocks.size(); ++log) {
    context.offsets[log] = clocks[log].offset;
    result.logs[log].clock = clocks[log];
  }
  if (RulesCanGive(QsoClass::kOutOfPeriod, rules)) {
    MarkOutOfPeriod(context, entries, result.outcomes);
  }
  const std::vector<std::uint32_t> unmatched =
      MatchGroups(context, entries, chunks, threads, result.outcomes, progress);
  ExplainUnmatched(context, unmatched, result.outcomes);
  progress.End();

  progress.Begin("scoring", logs.logs.size());
  ParallelFor(logs.logs.size(), threads, [&](std::size_t log) {
    MarkDuplicates(logs, log, result.outcomes);
    result.logs[log].checkLog = IsCheckLogSection(rules, logs.logs[log].section);
    result.logs[log].otherBand = rules.logPerBand && !CountsBand(rules, logs.logs[log].band);
    if (ScoresAsTheEngine(rules)) {
      result.logs[log].claimed = logs.logs[log].claimed;
    }
    if (logs.logs[log].error.empty()) {
      ScoreCheckedLog(logs, log, rules, result.outcomes, result.logs[log]);
    }
    progress.Advance();
  });
  progress.End();
  return result;
}
