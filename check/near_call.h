// When one call is a likely miscopy of another: the test behind a busted call.
#pragma once

#include <string_view>

// True when the calls differ by exactly one slip of the ear or the hand: one character changed,
// left out or added, or two neighbouring characters swapped. Equal calls are not near.
bool AreNearCalls(std::string_view a, std::string_view b);
