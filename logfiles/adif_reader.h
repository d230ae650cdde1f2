// Reads an ADIF (.adi) log: tags <NAME:LENGTH> or <NAME:LENGTH:TYPE> in any case, records closed by
// <EOR>, an optional header closed by <EOH>.
#pragma once

#include <string_view>

#include "logfiles/contest_log.h"
#include "logfiles/text_window.h"

// Reads the text through `window` from its beginning, letting go of each record once read. Throws
// LogError when the file behind the window cannot be read.
ContestLog ReadAdif(TextWindow& window, QsoDetail detail = QsoDetail::kFull);

// Reads a text held whole.
ContestLog ReadAdif(std::string_view text, QsoDetail detail = QsoDetail::kFull);
