#include "check/busted_calls.h"

#include <algorithm>

#include "check/near_call.h"

namespace {
std::uint64_t CallOnBand(std::uint32_t call, std::uint32_t band) {
  return (static_cast<std::uint64_t>(call) << 32) | band;
}

// An entry whose call sent a log that has no entry for it: it may be the other side of a busted
// call, found by the call it logged (the station that busted) and its band.
struct Waiting {
  std::uint64_t callOnBand;
  std::uint32_t qso;
  bool operator<(const Waiting& other) const {
    return callOnBand != other.callOnBand ? callOnBand < other.callOnBand : qso < other.qso;
  }
};

// Per call: whether more than one log has an entry with it.
std::vector<bool> CallsInSeveralLogs(const ContestLogs& logs) {
  std::vector<std::uint32_t> firstLog(logs.calls.IdLimit(), UINT32_MAX);
  std::vector<bool> several(logs.calls.IdLimit(), false);
  for (const CheckQso& qso : logs.qsos) {
    std::uint32_t& first = firstLog[qso.call];
    if (first == UINT32_MAX) {
      first = qso.log;
    } else if (first != qso.log) {
      several[qso.call] = true;
    }
  }
  return several;
}

class Explainer {
 public:
  Explainer(const MatchContext& context, const std::vector<std::uint32_t>& unmatched,
            std::vector<QsoOutcome>& outcomes)
      : context_(context), outcomes_(outcomes), several_(CallsInSeveralLogs(context.logs)) {
    for (std::uint32_t q : unmatched) {
      const CheckQso& qso = context.Qso(q);
      if (context.HasLog(qso.call)) {
        waiting_.push_back({CallOnBand(qso.call, qso.band), q});
      }
    }
    std::sort(waiting_.begin(), waiting_.end());
    taken_.assign(waiting_.size(), false);
  }

  void Explain(std::uint32_t q) {
    const CheckQso& qso = context_.Qso(q);
    if (context_.HasLog(qso.call)) {
      return;  // stays not in log, unless it is found as the other side of a busted call
    }
    const std::size_t other = NearCallOtherSide(q);
    if (other != kNone) {
      taken_[other] = true;
      const std::uint32_t right = waiting_[other].qso;
      outcomes_[q] = {QsoClass::kBustedCall, right};
      outcomes_[right] = {context_.PairClass(right, q), q};
    } else {
      outcomes_[q] = {several_[qso.call] ? QsoClass::kNotCheckable : QsoClass::kUnique, kNoPartner};
    }
  }

 private:
  static constexpr std::size_t kNone = SIZE_MAX;

  // The waiting entry, nearest in time, of a station with a call near the one `q` logged that
  // logged `q`'s station on its band.
  std::size_t NearCallOtherSide(std::uint32_t q) const {
    const CheckQso& qso = context_.Qso(q);
    const std::string& logged = context_.logs.calls.Text(qso.call);
    const Waiting key{CallOnBand(qso.ownCall, qso.band), 0};
    std::size_t best = kNone;
    std::int64_t bestApart = 0;
    for (auto it = std::lower_bound(waiting_.begin(), waiting_.end(), key);
         it != waiting_.end() && it->callOnBand == key.callOnBand; ++it) {
      const std::size_t index = static_cast<std::size_t>(it - waiting_.begin());
      const std::uint32_t other = it->qso;
      if (taken_[index] || !context_.ModesAgree(q, other) || !context_.InWindow(q, other) ||
          !AreNearCalls(logged, context_.logs.calls.Text(context_.Qso(other).ownCall))) {
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
  std::vector<bool> several_;
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
