// The index the matching works on: every QSO that is no duplicate, keyed by the two calls it
// joins (as the matching takes them) and its band, and sorted, so that both logs' entries of one
// QSO stand side by side.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "check/match_context.h"

struct PairEntry {
  std::uint64_t calls;  // the lower call id in the upper half, the higher in the lower
  std::uint32_t band;
  std::uint32_t qso;  // index in ContestLogs::qsos
};

// Sorted by calls, band and QSO index: the same for the same logs, whatever the ids are.
std::vector<PairEntry> SortedPairs(const MatchContext& context, unsigned threads);

// The lower of the two calls of an entry's group.
inline std::uint32_t LowerCall(const PairEntry& entry) {
  return static_cast<std::uint32_t>(entry.calls >> 32);
}

// A group: the entries of the same two calls on the same band.
struct PairGroup {
  const PairEntry* begin;
  const PairEntry* end;
};

// Splits the entries into about `chunks` runs of whole groups. Each chunk is a half-open range
// of entry indices.
std::vector<std::pair<std::size_t, std::size_t>> GroupChunks(const std::vector<PairEntry>& entries,
                                                             std::size_t chunks);

// Calls `visit` for each group of the range, in order.
void ForEachGroup(const std::vector<PairEntry>& entries, std::pair<std::size_t, std::size_t> range,
                  const std::function<void(PairGroup)>& visit);
