// Reads a Cabrillo 3.0 log whose QSO lines carry the sent and the received grid:
// QSO: frequency mode date time own-call own-grid call grid [transmitter]
// in columns separated by runs of blanks, as wide as each logger makes them.
#pragma once

#include <string_view>

#include "cli/contest_log.h"

ContestLog ReadCabrillo(std::string_view text);
