#include "check/clock_offsets.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "threads/parallel_for.h"

namespace {
// Enough rounds for offsets that depend on each other through a few logs; each round is cheap.
constexpr int kMostRounds = 10;

struct ClockDifference {
  std::uint32_t log;
  std::uint32_t other;
  std::int64_t seconds;  // the log's time of the QSO less the other log's
};

// The difference of one QSO that only two entries join, when there is one to read.
void CollectDifference(const MatchContext& context, PairGroup group,
                       std::vector<ClockDifference>& differences) {
  if (group.end - group.begin != 2) {
    return;
  }
  const std::uint32_t a = group.begin[0].qso;
  const std::uint32_t b = group.begin[1].qso;
  const CheckQso& qsoA = context.Qso(a);
  const CheckQso& qsoB = context.Qso(b);
  if (context.OwnCall(a) == context.OwnCall(b) || qsoA.time == kNoTime || qsoB.time == kNoTime ||
      !context.ModesAgree(a, b)) {
    return;
  }
  differences.push_back({qsoA.log, qsoB.log, qsoA.time - qsoB.time});
  differences.push_back({qsoB.log, qsoA.log, qsoB.time - qsoA.time});
}

// Whether the rules let an offset estimated from `basis` QSOs be applied.
bool WithinLimits(const CheckRules& rules, std::size_t basis, std::int64_t offset) {
  return static_cast<std::int64_t>(basis) >= rules.clockOffsetMinQsos &&
         (!rules.clockOffsetMaxSeconds || std::llabs(offset) <= *rules.clockOffsetMaxSeconds);
}

// Each log's differences side by side: those of log i are at [starts[i], starts[i + 1]).
struct DifferencesByLog {
  std::vector<std::size_t> starts;
  std::vector<ClockDifference> differences;
};

DifferencesByLog ByLog(const std::vector<std::vector<ClockDifference>>& perChunk,
                       std::size_t logCount) {
  DifferencesByLog byLog;
  byLog.starts.assign(logCount + 1, 0);
  for (const auto& chunk : perChunk) {
    for (const ClockDifference& difference : chunk) {
      ++byLog.starts[difference.log + 1];
    }
  }
  for (std::size_t i = 0; i < logCount; ++i) {
    byLog.starts[i + 1] += byLog.starts[i];
  }
  byLog.differences.resize(byLog.starts[logCount]);
  std::vector<std::size_t> next(byLog.starts.begin(), byLog.starts.end() - 1);
  for (const auto& chunk : perChunk) {
    for (const ClockDifference& difference : chunk) {
      byLog.differences[next[difference.log]++] = difference;
    }
  }
  return byLog;
}
}  // namespace

std::int64_t MedianDifference(std::vector<std::int64_t> differences) {
  const auto middle =
      differences.begin() + static_cast<std::ptrdiff_t>((differences.size() - 1) / 2);
  std::nth_element(differences.begin(), middle, differences.end());
  return *middle;
}

std::vector<ClockEstimate> EstimateClockOffsets(
    const MatchContext& context, const std::vector<PairEntry>& entries,
    const std::vector<std::pair<std::size_t, std::size_t>>& chunks, unsigned threads,
    ProgressBar& progress) {
  std::vector<std::vector<ClockDifference>> perChunk(chunks.size());
  ParallelFor(chunks.size(), threads, [&](std::size_t c) {
    ForEachGroup(entries, chunks[c],
                 [&](PairGroup group) { CollectDifference(context, group, perChunk[c]); });
    progress.Advance();
  });
  const std::size_t logCount = context.logs.logs.size();
  const DifferencesByLog byLog = ByLog(perChunk, logCount);
  perChunk.clear();

  std::vector<ClockEstimate> estimates(logCount);
  for (std::size_t log = 0; log < logCount; ++log) {
    estimates[log].basis = byLog.starts[log + 1] - byLog.starts[log];
  }
  for (int round = 0; round < kMostRounds; ++round) {
    std::vector<std::int64_t> next(logCount, 0);
    ParallelFor(logCount, threads, [&](std::size_t log) {
      std::vector<std::int64_t> corrected;
      corrected.reserve(estimates[log].basis);
      for (std::size_t d = byLog.starts[log]; d < byLog.starts[log + 1]; ++d) {
        const ClockDifference& difference = byLog.differences[d];
        corrected.push_back(difference.seconds + estimates[difference.other].offset);
      }
      next[log] = corrected.empty() ? 0 : MedianDifference(std::move(corrected));
    });
    bool changed = false;
    for (std::size_t log = 0; log < logCount; ++log) {
      ClockEstimate& estimate = estimates[log];
      const std::int64_t offset =
          WithinLimits(context.rules, estimate.basis, next[log]) ? next[log] : 0;
      changed = changed || offset != estimate.offset;
      estimate.offset = offset;
      estimate.refused = next[log] - offset;
    }
    if (!changed) {
      break;
    }
  }
  for (ClockEstimate& estimate : estimates) {
    if (std::llabs(estimate.offset) < kClockNoticeSeconds) {
      estimate.offset = 0;
    }
    if (std::llabs(estimate.refused) < kClockNoticeSeconds) {
      estimate.refused = 0;
    }
  }
  return estimates;
}
