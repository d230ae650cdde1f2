// The bytes of a log file, read so that memory follows the file's size and no more: in pieces from
// its beginning, or whole.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// The most a log file may hold. No log comes near it (a million QSOs of ADIF take about 300 MB),
// and endless input (/dev/zero, a pipe that never ends) stops here with an error.
inline constexpr std::uint64_t kMaxLogBytes = std::uint64_t{4} << 30;

// A file (or standard input, "-") read from its beginning. Throws LogError when it cannot be opened
// or read, or holds more than `maxBytes` (a test gives a small limit).
class LogFile {
 public:
  explicit LogFile(const std::string& path, std::uint64_t maxBytes = kMaxLogBytes);

  // Reads up to `count` bytes into `into`; fewer only at the end of the file.
  std::size_t Read(char* into, std::size_t count);
  // Appends the rest of the file to `content`, in one piece of the file's size, not in a buffer
  // that doubles as it grows: a pipe, which tells no size, is kept in a temporary file in
  // $TMPDIR (else /tmp) first.
  void ReadRest(std::string& content);
  // The size of the whole file when it is a regular file; nothing for a pipe.
  std::optional<std::size_t> Size() const;

 private:
  struct Close {
    void operator()(std::FILE* file) const;
  };
  using File = std::unique_ptr<std::FILE, Close>;

  void Count(std::size_t bytes);
  void SpoolToEnd(std::string& content);

  File owned_;  // empty for standard input
  std::FILE* file_;
  std::uint64_t maxBytes_;
  std::uint64_t read_ = 0;  // bytes read so far
};

// True when `path` is a regular file that begins as an SQLite database does. Reads only its first
// bytes: a database may be far larger than the log it holds.
bool IsSqliteFile(const std::string& path);
