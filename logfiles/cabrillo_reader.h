// Reads a Cabrillo 3.0 log. A QSO line holds the frequency, mode, date and time, then the sent
// exchange, which begins with the own call, and the received exchange, which begins with the
// worked call: both of one width, in fields separated by blanks, and an optional transmitter id
// (one digit) at the end. The grids are the fields of each exchange that are Maidenhead locators;
// the report the first field shaped as RS(T), the serial number the first field of digits after it.
// The section is CATEGORY-OPERATOR (CHECKLOG for a check log), else Cabrillo 2's CATEGORY.
//
// The width is the one most QSO lines of the log share. A line of another width is skipped with a
// warning naming it; a log none of whose QSO lines splits into two exchanges of one width is
// refused: its fields would be read from a guess.
#pragma once

#include <string_view>

#include "logfiles/contest_log.h"

ContestLog ReadCabrillo(std::string_view text, QsoDetail detail = QsoDetail::kFull);
