// marovinta-score: scores contest logs on the plug-in's engine from the command line.
#include <iostream>

#include "cli/options.h"
#include "cli/score_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  Options options;
  try {
    options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::cerr << "marovinta-score: " << error.what() << "\nTry 'marovinta-score --help'.\n";
    return 2;
  }
  if (options.help) {
    std::cout << kUsage;
    return 0;
  }
  const int status = RunScorer(options, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
