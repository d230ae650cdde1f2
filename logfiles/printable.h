// Text from a log made safe for a terminal and for a tab-separated line: no control character of
// the log (tab, line end, escape sequence, NUL) reaches either raw.
#pragma once

#include <string>
#include <string_view>

// Control characters (below 32, DEL, and the C1 controls 128..159, raw or in UTF-8) become
// \xNN; every other byte stays as it is, UTF-8 and single-byte code pages alike.
std::string Printable(std::string_view text);
