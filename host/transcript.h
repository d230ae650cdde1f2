// The host's output: whole lines, written and flushed at once, safe from any thread.
#pragma once

#include <string>

void PrintLine(const std::string& line);
