// Findings as rows a program can compare: one per unconfirmed QSO (its file, line and class) and
// one per log whose clock is off. The simulator writes what it injected in the same rows, so that
// the check's findings can be scored against the truth.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kClockOffsetKind = "clock-offset";

struct Finding {
  std::string file;
  std::int64_t line = 0;  // 0 for a whole log
  std::string kind;       // a class key (ClassKey) or kClockOffsetKind
  std::string detail;     // for a clock offset the seconds it is ahead
};

// "file,line,kind,detail" under a header line; a field with a comma or quote is quoted.
std::string FindingsCsv(const std::vector<Finding>& findings);
// Throws std::runtime_error for a row that is not four fields with a number as the line.
std::vector<Finding> ParseFindingsCsv(std::string_view text);

// A CSV field, quoted when it must be.
std::string CsvField(std::string_view text);
