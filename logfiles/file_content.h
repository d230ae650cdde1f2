// The bytes of a log file, read so that memory follows the file's size and no more: in pieces from
// its beginning, or whole.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// A file (or standard input, "-") read from its beginning. Throws LogError when it cannot be opened
// or read.
class LogFile {
 public:
  explicit LogFile(const std::string& path);

  // Reads up to `count` bytes into `into`; fewer only at the end of the file.
  std::size_t Read(char* into, std::size_t count);
  // Appends the rest of the file to `content`, in one piece of the file's size (a pipe, which
  // tells none, through a temporary file), not in a buffer that doubles as it grows.
  void ReadRest(std::string& content);
  // The size of the whole file when it is a regular file; nothing for a pipe.
  std::optional<std::size_t> Size() const;

 private:
  struct Close {
    void operator()(std::FILE* file) const;
  };
  using File = std::unique_ptr<std::FILE, Close>;

  File owned_;  // empty for standard input
  std::FILE* file_;
};

// True when `path` is a regular file that begins as an SQLite database does. Reads only its first
// bytes: a database may be far larger than the log it holds.
bool IsSqliteFile(const std::string& path);
