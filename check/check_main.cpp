// marovinta-check: checks a contest's logs against each other.
#include <unistd.h>

#include <iostream>

#include "check/check_command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const int status = RunCheckCommand(std::vector<std::string>(argv + 1, argv + argc),
                                     isatty(STDERR_FILENO) != 0, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
