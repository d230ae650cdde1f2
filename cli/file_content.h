// The bytes of a log file, read so that memory follows the file's size and no more.
#pragma once

#include <string>

// The whole content of `path`, or of standard input for "-". Throws LogError when it cannot be
// read.
std::string ReadFileContent(const std::string& path);

// True when `path` is a regular file that begins as an SQLite database does. Reads only its first
// bytes: a database may be far larger than the log it holds.
bool IsSqliteFile(const std::string& path);
