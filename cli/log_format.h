// Tells the kind of a log from its content, whatever the file is called.
#pragma once

#include <string_view>

enum class LogFormat { kUnknown, kCabrillo, kAdif, kAdx, kEdi, kSqlite };

LogFormat DetectFormat(std::string_view content);
