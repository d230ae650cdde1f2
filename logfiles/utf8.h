// Where text from a log is valid UTF-8, and the same text made valid UTF-8 for the outputs that
// must be (HTML and JSON).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The length of the well-formed UTF-8 sequence of two or more bytes starting at `p`, or 0 when none
// starts there (a single byte, a cut, overlong or surrogate sequence).
std::size_t Utf8Length(std::string_view text, std::size_t p);

// The whole text is well-formed UTF-8 (ASCII among it).
bool IsUtf8(std::string_view text);

// `text` as valid UTF-8: its well-formed sequences as they are, every other byte taken as Latin-1,
// the code page loggers of the plug-in's time wrote.
std::string Utf8Text(std::string_view text);
