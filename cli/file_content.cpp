#include "cli/file_content.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/contest_log.h"
#include "cli/log_format.h"

namespace {
struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

constexpr std::size_t kCopyChunk = 1 << 16;

LogError ReadError(const char* what) {
  return LogError(std::string(what) + ": " + std::strerror(errno));
}

File Open(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    throw ReadError("cannot open");
  }
  return file;
}

// A regular file is read into a string of its size, in one piece; a file that grows meanwhile (or
// tells no size, as some special files do) is read on to its end.
std::string ReadRegular(std::FILE* file, std::size_t size) {
  std::string content(size + 1, '\0');  // +1: the read that meets the end
  std::size_t filled = std::fread(content.data(), 1, content.size(), file);
  while (filled == content.size() && !std::feof(file) && !std::ferror(file)) {
    content.resize(content.size() + kCopyChunk);
    filled += std::fread(content.data() + filled, 1, kCopyChunk, file);
  }
  if (std::ferror(file)) {
    throw ReadError("cannot read");
  }
  content.resize(filled);
  return content;
}

// A pipe has no size to read into: it is copied to a temporary file first, so that its content is
// held once, not in a buffer that doubles as it grows.
std::string ReadStream(std::FILE* stream) {
  File spool(std::tmpfile());
  if (!spool) {
    throw ReadError("cannot keep standard input in a temporary file");
  }
  std::unique_ptr<char[]> chunk(new char[kCopyChunk]);
  std::size_t got = 0;
  while ((got = std::fread(chunk.get(), 1, kCopyChunk, stream)) > 0) {
    if (std::fwrite(chunk.get(), 1, got, spool.get()) != got) {
      throw ReadError("cannot keep standard input in a temporary file");
    }
  }
  if (std::ferror(stream)) {
    throw ReadError("cannot read");
  }
  const long size = std::ftell(spool.get());
  if (size < 0 || std::fflush(spool.get()) != 0 || std::fseek(spool.get(), 0, SEEK_SET) != 0) {
    throw ReadError("cannot read standard input back from its temporary file");
  }
  return ReadRegular(spool.get(), static_cast<std::size_t>(size));
}

std::string ReadAll(std::FILE* file) {
  struct stat status {};
  if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode)) {
    return ReadRegular(file, static_cast<std::size_t>(status.st_size));
  }
  return ReadStream(file);
}
}  // namespace

std::string ReadFileContent(const std::string& path) {
  if (path == "-") {
    return ReadAll(stdin);
  }
  return ReadAll(Open(path).get());
}

bool IsSqliteFile(const std::string& path) {
  // A pipe (a shell's <(...)) would lose what is read from it here: only a file can be a database.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return false;
  }
  const File file = Open(path);
  char head[16];
  const std::size_t got = std::fread(head, 1, sizeof head, file.get());
  return DetectFormat(std::string_view(head, got)) == LogFormat::kSqlite;
}
