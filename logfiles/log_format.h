// Tells the kind of a log from its content, whatever the file is called.
#pragma once

#include <cstddef>
#include <string_view>

enum class LogFormat { kUnknown, kCabrillo, kAdif, kAdx, kEdi, kSqlite };

// How much of a content DetectFormat reads, after a UTF-8 byte-order mark: a header or a first
// record fits many times over.
inline constexpr std::size_t kFormatLookAhead = 64 * 1024;

LogFormat DetectFormat(std::string_view content);
