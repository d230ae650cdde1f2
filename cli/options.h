// The command line of marovinta-score.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct Options {
  std::vector<std::string> files;
  std::string own;      // --own LOCATOR
  std::string table;    // --table NAME
  std::string mapFile;  // --map FILE.svg
  bool fields = false;
  bool json = false;
  bool verbose = false;
  bool help = false;
  unsigned jobs = 0;  // 0: one per core
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws UsageError for an unknown option, a missing value, or options that do not go together.
Options ParseOptions(const std::vector<std::string>& arguments);

extern const char* const kUsage;
