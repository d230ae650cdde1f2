// Which modes are the same mode for matching: logs name one mode in different words (Cabrillo
// "PH", ADIF "SSB"; Cabrillo "DG", ADIF "FT8").
#pragma once

#include <string_view>

enum class ModeGroup : unsigned char { kCw, kPhone, kFm, kRtty, kDigital };

// A mode text as the readers give it (upper case). Any mode not named otherwise is digital.
ModeGroup ModeGroupOf(std::string_view mode);
