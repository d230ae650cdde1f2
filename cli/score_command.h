// marovinta-score's work: one log in full, or many as summary lines.
#pragma once

#include <ostream>

#include "cli/options.h"

// Returns the exit status: 0 when every log was scored and every output written, 1 when a log
// could not be scored or was cut short, or an output (`out` included) not be written.
int RunScorer(const Options& options, std::ostream& out, std::ostream& err);
