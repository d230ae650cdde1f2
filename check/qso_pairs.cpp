#include "check/qso_pairs.h"

#include <algorithm>

#include "threads/parallel_for.h"

namespace {
bool Before(const PairEntry& a, const PairEntry& b) {
  if (a.calls != b.calls) {
    return a.calls < b.calls;
  }
  if (a.band != b.band) {
    return a.band < b.band;
  }
  return a.qso < b.qso;
}

bool SameGroup(const PairEntry& a, const PairEntry& b) {
  return a.calls == b.calls && a.band == b.band;
}

PairEntry EntryOf(const MatchContext& context, std::uint32_t q) {
  const std::uint64_t low = std::min(context.OwnCall(q), context.Call(q));
  const std::uint64_t high = std::max(context.OwnCall(q), context.Call(q));
  return {(low << 32) | high, context.Qso(q).band, q};
}
}  // namespace

std::vector<PairEntry> SortedPairs(const MatchContext& context, unsigned threads) {
  const std::vector<CheckQso>& qsos = context.logs.qsos;
  std::vector<PairEntry> entries;
  entries.reserve(qsos.size());
  for (std::uint32_t q = 0; q < qsos.size(); ++q) {
    if (!IsDuplicate(qsos[q])) {
      entries.push_back(EntryOf(context, q));
    }
  }
  // Two halves sorted side by side, then merged.
  const auto middle = entries.begin() + static_cast<std::ptrdiff_t>(entries.size() / 2);
  ParallelFor(2, threads, [&](std::size_t half) {
    if (half == 0) {
      std::sort(entries.begin(), middle, Before);
    } else {
      std::sort(middle, entries.end(), Before);
    }
  });
  std::inplace_merge(entries.begin(), middle, entries.end(), Before);
  return entries;
}

std::vector<std::pair<std::size_t, std::size_t>> GroupChunks(const std::vector<PairEntry>& entries,
                                                             std::size_t chunks) {
  std::vector<std::pair<std::size_t, std::size_t>> ranges;
  const std::size_t size =
      std::max<std::size_t>(1, entries.size() / std::max<std::size_t>(1, chunks));
  std::size_t begin = 0;
  while (begin < entries.size()) {
    std::size_t end = std::min(entries.size(), begin + size);
    while (end < entries.size() && SameGroup(entries[end - 1], entries[end])) {
      ++end;
    }
    ranges.emplace_back(begin, end);
    begin = end;
  }
  return ranges;
}

void ForEachGroup(const std::vector<PairEntry>& entries, std::pair<std::size_t, std::size_t> range,
                  const std::function<void(PairGroup)>& visit) {
  std::size_t begin = range.first;
  while (begin < range.second) {
    std::size_t end = begin + 1;
    while (end < range.second && SameGroup(entries[begin], entries[end])) {
      ++end;
    }
    visit({entries.data() + begin, entries.data() + end});
    begin = end;
  }
}
