#include "logfiles/file_content.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "logfiles/contest_log.h"
#include "logfiles/log_format.h"

namespace {
constexpr std::size_t kCopyChunk = 1 << 16;

LogError ReadError(const char* what) {
  return LogError(std::string(what) + ": " + std::strerror(errno));
}

std::FILE* Open(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    throw ReadError("cannot open");
  }
  return file;
}

// Reads on to the end of the file, `size` more bytes expected; a file that grows meanwhile (or
// tells no size, as some special files do) is read on to its end.
void ReadToEnd(std::FILE* file, std::size_t size, std::string& content) {
  std::size_t filled = content.size();
  content.resize(filled + size + 1);  // +1: the read that meets the end
  filled += std::fread(content.data() + filled, 1, content.size() - filled, file);
  while (filled == content.size() && !std::feof(file) && !std::ferror(file)) {
    content.resize(content.size() + kCopyChunk);
    filled += std::fread(content.data() + filled, 1, kCopyChunk, file);
  }
  if (std::ferror(file)) {
    throw ReadError("cannot read");
  }
  content.resize(filled);
}

// A pipe has no size to read into: it is copied to a temporary file first, so that its content is
// held once, not in a buffer that doubles as it grows.
void ReadStreamToEnd(std::FILE* stream, std::string& content) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> spool(std::tmpfile(), &std::fclose);
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
  ReadToEnd(spool.get(), static_cast<std::size_t>(size), content);
}
}  // namespace

void LogFile::Close::operator()(std::FILE* file) const {
  std::fclose(file);
}

LogFile::LogFile(const std::string& path)
    : owned_(path == "-" ? nullptr : Open(path)), file_(owned_ ? owned_.get() : stdin) {}

std::size_t LogFile::Read(char* into, std::size_t count) {
  const std::size_t got = std::fread(into, 1, count, file_);
  if (std::ferror(file_)) {
    throw ReadError("cannot read");
  }
  return got;
}

void LogFile::ReadRest(std::string& content) {
  const long position = std::ftell(file_);
  const std::optional<std::size_t> size = Size();
  if (size && position >= 0) {
    const auto read = static_cast<std::size_t>(position);
    ReadToEnd(file_, *size > read ? *size - read : 0, content);
  } else {
    ReadStreamToEnd(file_, content);
  }
}

std::optional<std::size_t> LogFile::Size() const {
  struct stat status {};
  if (fstat(fileno(file_), &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(status.st_size);
}

bool IsSqliteFile(const std::string& path) {
  // A pipe (a shell's <(...)) would lose what is read from it here: only a file can be a database.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return false;
  }
  LogFile file(path);
  char head[16];
  const std::size_t got = file.Read(head, sizeof head);
  return DetectFormat(std::string_view(head, got)) == LogFormat::kSqlite;
}
