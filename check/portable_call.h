// Calls that name one station: S50AAA/P is S50AAA working portable. Where the contest's rules say
// so, calls are matched without the suffixes that say where or how a station works.
#pragma once

#include <string_view>

// The call without its portable suffixes, each after a '/' at its end: /P (portable), /M
// (mobile), /MM (maritime mobile), /AM (aeronautical mobile), /A (at another address) and /QRP
// (low power), in any order ("S50AAA/P/QRP" is S50AAA). Any other suffix stays: /5 (another call
// area) or /P29 may name another station or a miscopy.
std::string_view WithoutPortableSuffixes(std::string_view call);
