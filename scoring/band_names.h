// The nine band texts the locator map knows; a band index 1..9 is a position in this table.
#pragma once

#include <array>
#include <string>
#include <string_view>

inline constexpr std::array<const char*, 9> BandNames = {"1.8", "3.5", "7",  "10", "14",
                                                         "18",  "21",  "24", "28"};

// The position 1..9 of a band text in BandNames (exact bytes), or 0 when it is none of them.
int BandIndex(std::string_view band);

// The band text of an index 1..9, or nothing for any other index.
const char* BandNameOf(int index);
