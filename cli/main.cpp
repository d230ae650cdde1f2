// marovinta-score: scores contest logs on the plug-in's engine from the command line.
#include <unistd.h>

#include <iostream>
#include <new>

#include "cli/options.h"
#include "cli/score_command.h"

int main(int argc, char** argv) {
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
