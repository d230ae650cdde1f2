#include "cli/log_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/adif_reader.h"
#include "cli/cabrillo_reader.h"
#include "cli/log_format.h"
#include "cli/sqlite_reader.h"

namespace {
constexpr const char* kNotALog =
    "not a log: no Cabrillo START-OF-LOG:, no ADIF tags and no SQLite database";

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string ReadAll(std::FILE* file) {
  std::string content;
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode)) {
    content.resize(static_cast<std::size_t>(status.st_size) +
                   1);  // +1: the read that meets the end
  }
  std::size_t filled = 0;
  while (true) {
    if (filled == content.size()) {
      content.resize(std::max<std::size_t>(2 * content.size(), 1 << 16));
    }
    const std::size_t got = std::fread(content.data() + filled, 1, content.size() - filled, file);
    if (got == 0) {
      break;
    }
    filled += got;
  }
  if (std::ferror(file)) {
    throw LogError(std::string("cannot read: ") + std::strerror(errno));
  }
  content.resize(filled);
  return content;
}

std::string ReadContent(const std::string& path) {
  if (path == "-") {
    return ReadAll(stdin);
  }
  std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    throw LogError("cannot open: " + std::string(std::strerror(errno)));
  }
  return ReadAll(file.get());
}

ContestLog ReadLog(std::string_view content, LogFormat format) {
  switch (format) {
    case LogFormat::kCabrillo:
      return ReadCabrillo(content);
    case LogFormat::kAdif:
      return ReadAdif(content);
    case LogFormat::kSqlite:
      throw LogError("an SQLite log is read from its file, not from standard input");
    case LogFormat::kUnknown:
      break;
  }
  throw LogError(kNotALog);
}
}  // namespace

ContestLog ReadLogText(std::string_view content) {
  return ReadLog(content, DetectFormat(content));
}

ContestLog ReadLogFile(const std::string& path, const std::string& table) {
  const std::string content = ReadContent(path);
  const LogFormat format = DetectFormat(content);
  if (format == LogFormat::kSqlite && path != "-") {
    return ReadSqliteLog(path, table);
  }
  return ReadLog(content, format);
}
