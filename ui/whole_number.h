// How a stored text reads as a number: decimal digits with an optional sign, nothing else, within
// the 32-bit range. Anything else is not a number.
#pragma once

#include <optional>
#include <string>

std::optional<int> ReadWholeNumber(const std::string& text);
