// The command line of marovinta-score.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/log_filter.h"
#include "command_line/command_line.h"
#include "logfiles/code_page.h"

struct Options {
  std::vector<std::string> files;
  std::string own;           // --own LOCATOR, upper-cased
  std::string table;         // --table NAME
  std::string mapFile;       // --map FILE.svg
  std::string cabrilloFile;  // --cabrillo FILE
  LogFilter filter;          // --from, --to, --contest-id
  // --encoding NAME; nothing for UTF-8, the logs' bytes taken as they are
  std::optional<CodePage> codePage;
  bool fields = false;
  bool json = false;
  bool verbose = false;
  bool help = false;
  bool progress = false;  // a progress line on standard error (not an option: a terminal there)
  unsigned jobs = 0;      // 0: one per core
};

// Throws CommandLineError for an unknown option, a missing or wrong value, or options that do not
// go together.
Options ParseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;
