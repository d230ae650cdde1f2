// The wording of counts and tallies that the reports on a log share.
#pragma once

#include <cstdint>
#include <string>

#include "check/check_rules.h"
#include "logfiles/recorded_log.h"

// "1 QSO", "2 QSOs".
std::string CountText(std::int64_t count, const std::string& noun);

// "37 QSOs, 1332 points, 24 fields": the multipliers named as the rules count them, if at all.
std::string TallyInWords(const ScoreTally& tally, MultiplierRule multipliers);
