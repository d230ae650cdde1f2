// marovinta-check: checks a contest's logs against each other.
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <new>

#include "check/check_command.h"

int main(int argc, char** argv) {
  try {
    std::ios::sync_with_stdio(false);  // allocates: inside, so that a failure is said plainly
    const int status = RunCheckCommand(std::vector<std::string>(argv + 1, argv + argc),
                                       isatty(STDERR_FILENO) != 0, std::cout, std::cerr);
    std::cout.flush();
    return status;
  } catch (const std::bad_alloc&) {
    std::fputs("marovinta-check: error: out of memory\n", stderr);
  }
  return 1;
}
