// How well findings agree with the truth, kind by kind: precision (the share of what was found
// that is true) and recall (the share of the truth that was found).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "check/check_rules.h"
#include "check/findings.h"

struct KindScore {
  std::string kind;
  std::size_t expected = 0;  // rows of the truth
  std::size_t found = 0;     // rows found
  std::size_t agreed = 0;    // found rows that the truth has
  double Precision() const;  // 1 when nothing was found
  double Recall() const;     // 1 when nothing was expected
};

// Every class but confirmed that a check by `rules` can give, then clock offsets. Files are
// compared by their names without folders; a clock offset agrees when it is within a minute of
// the truth's.
std::vector<KindScore> ScoreFindings(const std::vector<Finding>& truth,
                                     const std::vector<Finding>& found, const CheckRules& rules);

// One line per kind: expected, found, agreed, precision and recall in percent.
std::string KindScoreTable(const std::vector<KindScore>& scores);
