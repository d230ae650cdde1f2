// Every input the fuzzers keep goes through the parsers on each test run, so a regression on one
// of them shows without clang.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/fuzz/fuzz_input.h"
#include "logfiles/adif_reader.h"
#include "logfiles/adif_tag_readings.h"
#include "logfiles/adx_reader.h"
#include "logfiles/cabrillo_reader.h"
#include "logfiles/edi_reader.h"
#include "logfiles/log_reader.h"
#include "logfiles/test_support.h"

namespace {
const std::filesystem::path kCorpus = MAROVINTA_FUZZ_CORPUS;

template <typename Reader>
int Replay(const char* folder, Reader read) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kCorpus / folder)) {
    SCOPED_TRACE(entry.path().string());
    FuzzOne(read, FileText(entry.path()));
    ++count;
  }
  return count;
}
}  // namespace

TEST(FuzzCorpus, EveryParsersInputsReadAndScore) {
  struct Case {
    const char* folder;
    ContestLog (*read)(std::string_view);
  } cases[] = {
      {"adif", [](std::string_view text) { return ReadAdif(text); }},
      {"adx", [](std::string_view text) { return ReadAdx(text); }},
      {"cabrillo", [](std::string_view text) { return ReadCabrillo(text); }},
      {"edi", [](std::string_view text) { return ReadEdi(text); }},
      {"log_text", [](std::string_view text) { return ReadLogText(text); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_GT(Replay(c.folder, c.read), 0);
  }
}

TEST(FuzzCorpus, BothReadingsOfEveryAdifTagAgree) {
  int count = 0;
  for (const char* folder : {"adif_tag", "adif"}) {
    for (const auto& entry : std::filesystem::directory_iterator(kCorpus / folder)) {
      SCOPED_TRACE(entry.path().string());
      EXPECT_TRUE(AdifTagReadingsAgree(FileText(entry.path())));
      ++count;
    }
  }
  EXPECT_GT(count, 0);
}
