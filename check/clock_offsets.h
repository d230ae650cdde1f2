// How far each log's clock is off, estimated from the QSOs that both logs hold: a log whose clock
// is off by a constant amount still matches once its times are corrected by it.
#pragma once

#include <cstdint>
#include <vector>

#include "check/match_context.h"
#include "check/progress_bar.h"
#include "check/qso_pairs.h"

// A clock off by less than this is taken as right: logs write whole minutes, so the two entries
// of one QSO are often a minute apart with both clocks right.
inline constexpr std::int64_t kClockNoticeSeconds = 120;

// The middle of the time differences; of an even count the lower of the two middle ones, so that
// the offset is one some QSO shows (the mean of two could be one none shows). `differences` is
// not empty.
std::int64_t MedianDifference(std::vector<std::int64_t> differences);

struct ClockEstimate {
  std::int64_t offset = 0;  // seconds the log's clock is ahead of the contest's, as applied
  std::size_t basis = 0;    // the QSOs with another log the estimate rests on
  // An offset estimated but not applied, since fewer QSOs than the rules ask show it or it is
  // larger than they allow; 0 for none.
  std::int64_t refused = 0;
};

// The QSOs that only two entries join (one in each log, modes agreeing as the rules ask) tell
// the difference of the two clocks, whatever the window. Each log's offset is the median of
// those differences corrected by the other logs' offsets, found again until none changes: the
// clock most logs agree with is the contest's. An offset under kClockNoticeSeconds is none, and one
// the rules' limits refuse (clock-offset-min-qsos, clock-offset-max-minutes) is not applied.
std::vector<ClockEstimate> EstimateClockOffsets(
    const MatchContext& context, const std::vector<PairEntry>& entries,
    const std::vector<std::pair<std::size_t, std::size_t>>& chunks, unsigned threads,
    ProgressBar& progress);
