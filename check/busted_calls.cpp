#include "check/busted_calls.h"

#include <algorithm>

#include "check/near_call.h"

namespace {
// An entry whose call sent a log that has no entry for it: it may be the other side of a busted
// call, found by the call it logged (the station that busted) and its band.
struct Waiting {
  std::uint64_t callOnBand;
  std::uint32_t qso;
  bool operator<(const Waiting& other) const {
    return callOnBand != other.callOnBand ? callOnBand < other.callOnBand : qso < other.qso;
  }
};

// By CallKey: whether more than one log has an entry with the call.
std::vector<bool> CallsInSeveralLogs(const MatchContext& context) {
  std::vector<std::uint32_t> firstLog(context.CallKeyCount(), UINT32_MAX);
  std::vector<bool> several(firstLog.size(), false);
  for (std::uint32_t q = 0; q < context.logs.qsos.size(); ++q) {
    const std::size_t key = context.CallKey(context.Call(q), context.Qso(q).band);
    const std::uint32_t log = context.Qso(q).log;
    if (firstLog[key] == UINT32_MAX) {
      firstLog[key] = log;
    } else if (firstLog[key] != log) {
      several[key] = true;
    }
  }
  return several;
}

class Explainer {
 public:
  Explainer(const MatchContext& context, const std::vector<std::uint32_t>& unmatched,
            std::vector<QsoOutcome>& outcomes)
      : context_(context), outcomes_(outcomes), several_(CallsInSeveralLogs(context)) {
    for (std::uint32_t q : unmatched) {
      if (context.SentLog(q)) {
        waiting_.push_back({CallOnBand(context.Call(q), context.Qso(q).band), q});
      }
    }
    std::sort(waiting_.begin(), waiting_.end());
    taken_.assign(waiting_.size(), false);
  }

  void Explain(std::uint32_t q) {
    if (context_.SentLog(q)) {
      return;  // stays not in log, unless it is found as the other side of a busted call
    }
    const std::size_t other = NearCallOtherSide(q);
    if (other != kNone) {
      taken_[other] = true;
      const std::uint32_t right = waiting_[other].qso;
      outcomes_[q] = {QsoClass::kBustedCall, right};
      outcomes_[right] = {context_.PairClass(right, q), q};
    } else {
      outcomes_[q] = {several_[context_.CallKey(context_.Call(q), context_.Qso(q).band)]
                          ? QsoClass::kNotCheckable
                          : QsoClass::kUnique,
                      kNoPartner};
    }
  }

 private:
  static constexpr std::size_t kNone = SIZE_MAX;

  // The waiting entry, nearest in time, of a station with a call near the one `q` logged that
  // logged `q`'s station on its band.
  std::size_t NearCallOtherSide(std::uint32_t q) const {
    const std::string_view logged = context_.CallText(context_.Call(q));
    const Waiting key{CallOnBand(context_.OwnCall(q), context_.Qso(q).band), 0};
    std::size_t best = kNone;
    std::int64_t bestApart = 0;
    for (auto it = std::lower_bound(waiting_.begin(), waiting_.end(), key);
         it != waiting_.end() && it->callOnBand == key.callOnBand; ++it) {
      const std::size_t index = static_cast<std::size_t>(it - waiting_.begin());
      const std::uint32_t other = it->qso;
      if (taken_[index] || !context_.ModesAgree(q, other) || !context_.InWindow(q, other) ||
          !AreNearCalls(logged, context_.CallText(context_.OwnCall(other)))) {
        continue;
      }
      const std::int64_t apart = context_.Apart(q, other);
      if (best == kNone || apart < bestApart) {
        best = index;
        bestApart = apart;
      }
    }
    return best;
  }

  const MatchContext& context_;
  std::vector<QsoOutcome>& outcomes_;
  std::vector<bool> several_;  // by CallKey: whether more than one log has an entry with it
  std::vector<Waiting> waiting_;
  std::vector<bool> taken_;
};
}  // namespace

void ExplainUnmatched(const MatchContext& context, const std::vector<std::uint32_t>& unmatched,
                      std::vector<QsoOutcome>& outcomes) {
  Explainer explainer(context, unmatched, outcomes);
  for (std::uint32_t q : unmatched) {
    explainer.Explain(q);
  }
}
