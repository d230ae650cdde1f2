// The few text rules every part of the scoring agrees on.
#pragma once

#include <string>

// Removes every character with a code of 32 or less from both ends.
std::string TrimControl(const std::string& text);

// Changes a..z to A..Z and nothing else.
std::string UpperAscii(std::string text);

// The key under which case-insensitive look-ups meet: a..z folded to A..Z.
inline std::string FoldCase(const std::string& text) { return UpperAscii(text); }

// Byte order as unsigned codes, shorter-is-less on a common prefix: -1, 0 or 1.
int CompareBytes(const std::string& a, const std::string& b);
