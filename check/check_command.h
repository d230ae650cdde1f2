// marovinta-check: checks a contest's logs against each other and writes the results.
#pragma once

#include <ostream>
#include <string>
#include <vector>

extern const char* const kCheckUsage;

// Returns the exit status: 0 when every log was checked, 1 when a log could not be read or
// scored (the others are checked all the same), the reports could not be written or the check
// failed otherwise (out of memory, for one), with a message on `err`; 2 for a wrong command line
// or rules file. The progress bar goes to standard error when `progress`.
int RunCheckCommand(const std::vector<std::string>& arguments, bool progress, std::ostream& out,
                    std::ostream& err);

// The log files the operands name: a file as it is, a folder's files (not those beginning with
// '.') in name order. An entry of a folder that cannot be looked at (a link in a loop or to
// nothing) is taken too, and a folder that cannot be listed stands for itself, so that reading
// them lists them as unreadable. Throws std::runtime_error for an operand that does not exist.
std::vector<std::string> LogFilesOf(const std::vector<std::string>& operands);
