// The first pass of the matching: within each group of the index (the same two calls on the same
// band) the entries of one log are paired with the other's, nearest in time first, within the
// window and, as the rules ask, in the same mode. A pair confirms both QSOs unless a side copied
// the other's locator, or as the rules ask report or serial, wrong. An entry already out of
// period is passed over.
#pragma once

#include <cstdint>
#include <vector>

#include "check/match_context.h"
#include "check/progress_bar.h"
#include "check/qso_pairs.h"

// Sets the outcome of every entry. An entry left without a pair is marked not in log when its
// call sent a log (MatchContext::SentLog), else not checkable, with the other log's nearest entry
// of the group as its partner; it is returned, in QSO order, for the second pass to explain.
std::vector<std::uint32_t> MatchGroups(
    const MatchContext& context, const std::vector<PairEntry>& entries,
    const std::vector<std::pair<std::size_t, std::size_t>>& chunks, unsigned threads,
    std::vector<QsoOutcome>& outcomes, ProgressBar& progress);
