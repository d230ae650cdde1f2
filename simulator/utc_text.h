// A moment written in UTC by a strftime format: the simulated logs' and rules' one clock text.
#pragma once

#include <cstdint>
#include <string>

// `seconds` since 1970-01-01 UTC, written by `format` ("%Y-%m-%d %H%M").
std::string FormattedUtc(std::int64_t seconds, const char* format);
