#include "check/qso_matching.h"

#include <algorithm>

#include "threads/parallel_for.h"

namespace {
struct Candidate {
  std::int64_t apart;  // seconds between the two entries, 0 when a time is missing
  std::uint32_t low;   // the entry of the station with the lower call id
  std::uint32_t high;

  bool operator<(const Candidate& other) const {
    if (apart != other.apart) {
      return apart < other.apart;
    }
    return low != other.low ? low < other.low : high < other.high;
  }
};

// The entry of `others` nearest in time to `q`: what the report shows as the other log's line.
std::uint32_t Nearest(const MatchContext& context, std::uint32_t q,
                      const std::vector<std::uint32_t>& others) {
  std::uint32_t nearest = kNoPartner;
  std::int64_t best = 0;
  for (std::uint32_t other : others) {
    const std::int64_t apart = context.Apart(q, other);
    if (nearest == kNoPartner || apart < best) {
      nearest = other;
      best = apart;
    }
  }
  return nearest;
}

// Working space of one thread, kept from group to group.
struct GroupMatcher {
  const MatchContext& context;
  std::vector<QsoOutcome>& outcomes;
  std::vector<std::uint32_t> unmatched;
  std::vector<std::uint32_t> low, high;
  std::vector<Candidate> candidates;

  void Pair(std::uint32_t a, std::uint32_t b) {
    outcomes[a] = {context.PairClass(a, b), b};
    outcomes[b] = {context.PairClass(b, a), a};
  }

  void Leave(std::uint32_t q, const std::vector<std::uint32_t>& others) {
    const bool callSentLog = context.SentLog(q);
    outcomes[q] = {callSentLog ? QsoClass::kNotInLog : QsoClass::kNotCheckable,
                   Nearest(context, q, others)};
    unmatched.push_back(q);
  }

  void Match(PairGroup group) {
    low.clear();
    high.clear();
    const std::uint32_t lowCall = LowerCall(*group.begin);
    for (const PairEntry* entry = group.begin; entry != group.end; ++entry) {
      if (outcomes[entry->qso].qsoClass != QsoClass::kOutOfPeriod) {
        (context.OwnCall(entry->qso) == lowCall ? low : high).push_back(entry->qso);
      }
    }
    candidates.clear();
    for (std::uint32_t a : low) {
      for (std::uint32_t b : high) {
        if (context.ModesAgree(a, b) && context.InWindow(a, b)) {
          candidates.push_back({context.Apart(a, b), a, b});
        }
      }
    }
    std::sort(candidates.begin(), candidates.end());
    for (std::uint32_t q : low) {
      outcomes[q].partner = kNoPartner;
    }
    for (std::uint32_t q : high) {
      outcomes[q].partner = kNoPartner;
    }
    for (const Candidate& candidate : candidates) {
      if (outcomes[candidate.low].partner == kNoPartner &&
          outcomes[candidate.high].partner == kNoPartner) {
        Pair(candidate.low, candidate.high);
      }
    }
    for (std::uint32_t q : low) {
      if (outcomes[q].partner == kNoPartner) {
        Leave(q, high);
      }
    }
    for (std::uint32_t q : high) {
      if (outcomes[q].partner == kNoPartner) {
        Leave(q, low);
      }
    }
  }
};
}  // namespace

std::vector<std::uint32_t> MatchGroups(
    const MatchContext& context, const std::vector<PairEntry>& entries,
    const std::vector<std::pair<std::size_t, std::size_t>>& chunks, unsigned threads,
    std::vector<QsoOutcome>& outcomes, ProgressBar& progress) {
  std::vector<std::vector<std::uint32_t>> unmatchedPerChunk(chunks.size());
  ParallelFor(chunks.size(), threads, [&](std::size_t c) {
    GroupMatcher matcher{context, outcomes, {}, {}, {}, {}};
    ForEachGroup(entries, chunks[c], [&](PairGroup group) { matcher.Match(group); });
    unmatchedPerChunk[c] = std::move(matcher.unmatched);
    progress.Advance();
  });
  std::vector<std::uint32_t> unmatched;
  for (const auto& chunk : unmatchedPerChunk) {
    unmatched.insert(unmatched.end(), chunk.begin(), chunk.end());
  }
  std::sort(unmatched.begin(), unmatched.end());
  return unmatched;
}
