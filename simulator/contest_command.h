// marovinta-contest: writes the logs of a simulated contest and the truth of its faults.
#pragma once

#include <ostream>
#include <string>
#include <vector>

extern const char* const kContestUsage;

// Returns the exit status: 0 when the contest was written, 1 when it could not be, 2 for a wrong
// command line.
int RunContestCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err);
