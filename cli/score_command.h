// marovinta-score's work: one log in full, or many as summary lines.
#pragma once

#include <ostream>

#include "cli/options.h"

// Returns the exit status: 0 when every log was scored, 1 when one could not be.
int RunScorer(const Options& options, std::ostream& out, std::ostream& err);
