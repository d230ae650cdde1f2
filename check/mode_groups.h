// Which modes are the same mode for matching: logs name one mode in different words (Cabrillo
// "PH", ADIF "SSB"; Cabrillo "DG", ADIF "FT8").
#pragma once

#include <string_view>

enum class ModeGroup : unsigned char {
  kCw,
  kPhone,
  kFm,
  kRtty,
  kDigital,
  kPhoneAndCw,  // phone one way and CW the other (EDI's mode codes 3 and 4)
};

// A mode text as the readers give it (upper case). Any mode not named otherwise is digital.
ModeGroup ModeGroupOf(std::string_view mode);

// Whether two logs of one QSO agree on its mode: the same group, or phone and CW mixed against
// either (the other side may log the mode it sent, the one it received, or both).
bool ModeGroupsAgree(ModeGroup a, ModeGroup b);
