// Where text from a log is valid UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

// The length of the well-formed UTF-8 sequence of two or more bytes starting at `p`, or 0 when none
// starts there (a single byte, a cut, overlong or surrogate sequence).
std::size_t Utf8Length(std::string_view text, std::size_t p);
