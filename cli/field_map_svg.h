// The worked fields as an SVG picture: one 18 x 18 grid per band, laid out as the plug-in's
// locator map (a column per first letter, A to R from the left; second letter R at the top down
// to A), worked fields filled.
#pragma once

#include <string>

#include "cli/scored_log.h"

std::string FieldMapSvg(const ScoredLog& scored);
