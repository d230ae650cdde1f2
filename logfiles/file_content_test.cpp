#include "logfiles/file_content.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "logfiles/contest_log.h"
#include "logfiles/test_support.h"

namespace {
// TMPDIR set to `folder` while it lives.
class ScopedTmpdir {
 public:
  explicit ScopedTmpdir(const std::string& folder) {
    if (const char* old = std::getenv("TMPDIR")) {
      old_ = old;
    }
    setenv("TMPDIR", folder.c_str(), 1);
  }
  ~ScopedTmpdir() {
    if (old_.empty()) {
      unsetenv("TMPDIR");
    } else {
      setenv("TMPDIR", old_.c_str(), 1);
    }
  }

 private:
  std::string old_;
};

// A pipe holding `content`, as a path to open: input that tells no size.
class FilledPipe {
 public:
  explicit FilledPipe(const std::string& content) {
    if (pipe(ends_) != 0 ||
        write(ends_[1], content.data(), content.size()) != static_cast<ssize_t>(content.size())) {
      std::abort();
    }
    close(ends_[1]);
  }
  ~FilledPipe() { close(ends_[0]); }
  std::string Path() const { return "/dev/fd/" + std::to_string(ends_[0]); }

 private:
  int ends_[2];
};
}  // namespace

// However a log is read (whole, in pieces, from a file that tells its size or from endless input),
// it stops with an error past the limit, and reads whole up to it.
TEST(LogFile, StopsWithAnErrorPastItsLimitHoweverItIsRead) {
  constexpr std::uint64_t kLimit = 1000;
  const TempDir dir;
  const ScopedTmpdir tmpdir(dir.Path(""));
  const std::string larger = dir.Write("larger", std::string(kLimit + 1, 'x'));
  const struct {
    const char* how;
    std::function<void()> read;
  } cases[] = {
      {"a file larger than the limit, before a byte is read",
       [&]() { LogFile file(larger, kLimit); }},
      {"endless input, whole",
       []() {
         LogFile file("/dev/zero", kLimit);
         std::string content;
         file.ReadRest(content);
       }},
      {"endless input, in pieces",
       []() {
         LogFile file("/dev/zero", kLimit);
         char piece[300];
         for (int i = 0; i < 100; ++i) {
           file.Read(piece, sizeof piece);
         }
       }},
      {"endless input, whole after its head",
       []() {
         LogFile file("/dev/zero", kLimit);
         char head[300];
         file.Read(head, sizeof head);
         std::string content(head, sizeof head);
         file.ReadRest(content);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    try {
      c.read();
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()),
                "the file is larger than 1000 bytes, more than any log; not read");
    }
  }

  const FilledPipe pipe(std::string(kLimit, 'x'));
  const struct {
    const char* what;
    std::string path;
  } atLimit[] = {{"a file", dir.Write("at-limit", std::string(kLimit, 'x'))},
                 {"a pipe", pipe.Path()}};
  for (const auto& c : atLimit) {
    SCOPED_TRACE(c.what);
    LogFile file(c.path, kLimit);
    std::string content;
    file.ReadRest(content);
    EXPECT_EQ(content.size(), kLimit);
  }
}

// A pipe is kept in a temporary file in $TMPDIR while it is read, and gone from there after.
TEST(LogFile, KeepsAPipeInTmpdir) {
  const TempDir dir;
  {
    const ScopedTmpdir tmpdir(dir.Path("none"));
    const FilledPipe pipe("<call:6>DL1ABC <eor>\n");
    LogFile file(pipe.Path());
    std::string content;
    try {
      file.ReadRest(content);
      ADD_FAILURE() << "no error";
    } catch (const LogError& error) {
      EXPECT_EQ(std::string(error.what()), "cannot keep standard input in a temporary file in " +
                                               dir.Path("none") + ": No such file or directory");
    }
  }
  const ScopedTmpdir tmpdir(dir.Path(""));
  const FilledPipe pipe("<call:6>DL1ABC <eor>\n");
  LogFile file(pipe.Path());
  std::string content;
  file.ReadRest(content);
  EXPECT_EQ(content, "<call:6>DL1ABC <eor>\n");
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path("")));
}
