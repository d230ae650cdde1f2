// Finds the worked station's locator square in a received exchange.
#pragma once

#include <string>

struct FoundSquare {
  std::string field;   // two letters A..R, or empty when no square was found
  std::string square;  // the field and two digits, or empty
};

// Trims and upper-cases the report, then takes the first run of two letters A..R and two digits.
FoundSquare ScanSquare(const std::string& report);
