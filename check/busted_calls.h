// The second pass of the matching, over the entries the first left without a pair. An entry
// whose call sent no log is a busted call when a station with a near call logged this station on
// that band in the window and has no pair for it either: that station's entry is then judged by
// what this station sent (confirmed unless it copied that wrong), since only the side that copied
// wrongly loses the QSO. What no near call explains is unique (the call is in no other log, of the
// entry's band where each log covers one) or not checkable; an entry whose call sent a log (for
// its band, where each log covers one) stays not in log.
#pragma once

#include <cstdint>
#include <vector>

#include "check/match_context.h"

// `unmatched` in QSO order, as MatchGroups returns it.
void ExplainUnmatched(const MatchContext& context, const std::vector<std::uint32_t>& unmatched,
                      std::vector<QsoOutcome>& outcomes);
