#include "check/progress_bar.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {
struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string Written(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
    text += static_cast<char>(c);
  }
  return text;
}

void RunPhase(ProgressBar& bar) {
  bar.Begin("reading", 4);
  for (int i = 0; i < 4; ++i) {
    bar.Advance();
  }
  bar.End();
}
}  // namespace

TEST(ProgressBar, DrawsEachPhaseToItsEndWhenShown) {
  const std::unique_ptr<std::FILE, CloseFile> file(std::tmpfile());
  ProgressBar bar(true, file.get());
  RunPhase(bar);
  const std::string text = Written(file.get());
  EXPECT_NE(text.find("\rreading   [" + std::string(40, '.') + "]   0% 0/4"), std::string::npos);
  EXPECT_NE(text.find("\rreading   [" + std::string(20, '#') + std::string(20, '.') + "]  50% 2/4"),
            std::string::npos);
  const std::string end = "\rreading   [" + std::string(40, '#') + "] 100% 4/4\n";
  ASSERT_GE(text.size(), end.size());
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  ASSERT_EQ(bar.PhaseSeconds().size(), 1u);
  EXPECT_EQ(bar.PhaseSeconds()[0].first, "reading");
}

TEST(ProgressBar, WritesNothingWhenNotShown) {
  const std::unique_ptr<std::FILE, CloseFile> file(std::tmpfile());
  ProgressBar bar(false, file.get());
  RunPhase(bar);
  EXPECT_EQ(Written(file.get()), "");
  EXPECT_EQ(bar.PhaseSeconds().size(), 1u);  // still timed
}
