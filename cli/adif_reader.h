// Reads an ADIF (.adi) log: tags <NAME:LENGTH> or <NAME:LENGTH:TYPE> in any case, records closed by
// <EOR>, an optional header closed by <EOH>.
#pragma once

#include <string_view>

#include "cli/contest_log.h"

ContestLog ReadAdif(std::string_view text);
