// Every input the fuzzers keep goes through the parsers on each test run, so a regression on one
// of them shows without clang.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/adif_reader.h"
#include "cli/cabrillo_reader.h"
#include "cli/fuzz/fuzz_input.h"

namespace {
const std::filesystem::path kCorpus = MAROVINTA_FUZZ_CORPUS;

std::string Content(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

template <typename Reader>
int Replay(const char* folder, Reader read) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kCorpus / folder)) {
    SCOPED_TRACE(entry.path().string());
    const std::string content = Content(entry.path());
    DetectFormat(content);
    ScoreFuzzInput(read(content));
    ++count;
  }
  return count;
}
}  // namespace

TEST(FuzzCorpus, AdifInputsReadAndScore) {
  EXPECT_GT(Replay("adif", ReadAdif), 0);
}

TEST(FuzzCorpus, CabrilloInputsReadAndScore) {
  EXPECT_GT(Replay("cabrillo", ReadCabrillo), 0);
}
