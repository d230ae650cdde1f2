#include "logfiles/file_content.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "logfiles/contest_log.h"
#include "logfiles/log_format.h"

namespace {
constexpr std::size_t kCopyChunk = 1 << 16;

LogError ReadError(const std::string& what) {
  return LogError(what + ": " + std::strerror(errno));
}

// "4 GiB"; a limit of no whole GiB (a test's) in bytes.
std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kGiB = std::uint64_t{1} << 30;
  return bytes % kGiB == 0 ? std::to_string(bytes / kGiB) + " GiB"
                           : std::to_string(bytes) + " bytes";
}

LogError TooLarge(std::uint64_t maxBytes) {
  return LogError("the file is larger than " + SizeText(maxBytes) +
                  ", more than any log; not read");
}

std::FILE* Open(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    throw ReadError("cannot open");
  }
  return file;
}

// An unnamed file in $TMPDIR (else /tmp), gone once closed: std::tmpfile would ignore TMPDIR.
std::FILE* TemporaryFile() {
  const char* const variable = std::getenv("TMPDIR");
  const std::string folder = variable && *variable ? variable : "/tmp";
  std::string path = folder + "/marovinta-input-XXXXXX";
  const int descriptor = mkstemp(path.data());
  if (descriptor < 0) {
    throw ReadError("cannot keep standard input in a temporary file in " + folder);
  }
  unlink(path.c_str());
  std::FILE* const file = fdopen(descriptor, "w+b");
  if (!file) {
    const LogError error = ReadError("cannot keep standard input in a temporary file");
    close(descriptor);
    throw error;
  }
  return file;
}

// Reads on to the end of the file, `size` more bytes expected; a file that grows meanwhile (or
// tells no size, as some special files do) is read on to its end, or until more than `most`
// bytes came.
void ReadToEnd(std::FILE* file, std::size_t size, std::uint64_t most, std::string& content) {
  const std::size_t start = content.size();
  std::size_t filled = start;
  content.resize(filled + size + 1);  // +1: the read that meets the end
  filled += std::fread(content.data() + filled, 1, content.size() - filled, file);
  while (filled == content.size() && filled - start <= most && !std::feof(file) &&
         !std::ferror(file)) {
    content.resize(content.size() + kCopyChunk);
    filled += std::fread(content.data() + filled, 1, kCopyChunk, file);
  }
  if (std::ferror(file)) {
    throw ReadError("cannot read");
  }
  content.resize(filled);
}
}  // namespace

void LogFile::Close::operator()(std::FILE* file) const {
  std::fclose(file);
}

LogFile::LogFile(const std::string& path, std::uint64_t maxBytes)
    : owned_(path == "-" ? nullptr : Open(path)),
      file_(owned_ ? owned_.get() : stdin),
      maxBytes_(maxBytes) {
  const std::optional<std::size_t> size = Size();
  if (size && *size > maxBytes_) {
    throw TooLarge(maxBytes_);
  }
}

std::size_t LogFile::Read(char* into, std::size_t count) {
  const std::size_t got = std::fread(into, 1, count, file_);
  if (std::ferror(file_)) {
    throw ReadError("cannot read");
  }
  Count(got);
  return got;
}

void LogFile::ReadRest(std::string& content) {
  const long position = std::ftell(file_);
  const std::optional<std::size_t> size = Size();
  if (size && position >= 0) {
    const auto read = static_cast<std::size_t>(position);
    const std::size_t before = content.size();
    ReadToEnd(file_, *size > read ? *size - read : 0, maxBytes_ - read_, content);
    Count(content.size() - before);
  } else {
    SpoolToEnd(content);
  }
}

std::optional<std::size_t> LogFile::Size() const {
  struct stat status {};
  if (fstat(fileno(file_), &status) != 0 || !S_ISREG(status.st_mode)) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(status.st_size);
}

void LogFile::Count(std::size_t bytes) {
  read_ += bytes;
  if (read_ > maxBytes_) {
    throw TooLarge(maxBytes_);
  }
}

// A pipe has no size to read into: it is copied to a temporary file first, so that its content is
// held once, not in a buffer that doubles as it grows.
void LogFile::SpoolToEnd(std::string& content) {
  const File spool(TemporaryFile());
  std::unique_ptr<char[]> chunk(new char[kCopyChunk]);
  std::size_t got = 0;
  while ((got = Read(chunk.get(), kCopyChunk)) > 0) {
    if (std::fwrite(chunk.get(), 1, got, spool.get()) != got) {
      throw ReadError("cannot keep standard input in a temporary file");
    }
  }
  const long size = std::ftell(spool.get());
  if (size < 0 || std::fflush(spool.get()) != 0 || std::fseek(spool.get(), 0, SEEK_SET) != 0) {
    throw ReadError("cannot read standard input back from its temporary file");
  }
  const auto bytes = static_cast<std::size_t>(size);
  ReadToEnd(spool.get(), bytes, bytes, content);
}

bool IsSqliteFile(const std::string& path) {
  // A pipe (a shell's <(...)) would lose what is read from it here: only a file can be a database.
  struct stat status {};
  if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return false;
  }
  LogFile file(path, std::numeric_limits<std::uint64_t>::max());  // only its head is read
  char head[16];
  const std::size_t got = file.Read(head, sizeof head);
  return DetectFormat(std::string_view(head, got)) == LogFormat::kSqlite;
}
