// marovinta-score: scores contest logs on the plug-in's engine from the command line.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <new>

#include "cli/options.h"
#include "cli/score_command.h"

namespace {
int Score(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  Options options;
  try {
    options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const CommandLineError& error) {
    std::cerr << "marovinta-score: " << error.what() << "\nTry 'marovinta-score --help'.\n";
    return 2;
  }
  if (options.help) {
    std::cout << kUsage << std::flush;
    return std::cout ? 0 : 1;
  }
  options.progress = options.files.size() > 1 && isatty(STDERR_FILENO) == 1;
  try {
    return RunScorer(options, std::cout, std::cerr);
  } catch (const std::bad_alloc&) {
    std::cerr << "marovinta-score: error: out of memory\n";
  } catch (const std::exception& error) {
    std::cerr << "marovinta-score: error: " << error.what() << "\n";
  }
  return 1;
}
}  // namespace

// What fails before the scoring begins (the standard streams' buffers, the options' copies) is
// said as plainly as what fails within it.
int main(int argc, char** argv) {
  try {
    return Score(argc, argv);
  } catch (const std::bad_alloc&) {
    std::fputs("marovinta-score: error: out of memory\n", stderr);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "marovinta-score: error: %s\n", error.what());
  }
  return 1;
}
