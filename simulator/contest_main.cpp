// marovinta-contest: the logs of a simulated contest with known faults.
#include <iostream>

#include "simulator/contest_command.h"

int main(int argc, char** argv) {
  return RunContestCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
