#include "check/finding_scores.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>

#include "check/checked_score.h"

namespace {
constexpr std::int64_t kClockToleranceSeconds = 60;

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

using QsoKey = std::tuple<std::string, std::int64_t, std::string>;

KindScore ScoreQsoKind(const std::string& kind, const std::set<QsoKey>& truth,
                       const std::vector<Finding>& found) {
  KindScore score{kind};
  for (const QsoKey& key : truth) {
    score.expected += std::get<2>(key) == kind;
  }
  for (const Finding& finding : found) {
    if (finding.kind == kind) {
      ++score.found;
      score.agreed += truth.count({BaseName(finding.file), finding.line, kind});
    }
  }
  return score;
}

KindScore ScoreClocks(const std::vector<Finding>& truth, const std::vector<Finding>& found) {
  KindScore score{std::string(kClockOffsetKind)};
  std::map<std::string, std::int64_t> offsets;
  for (const Finding& finding : truth) {
    if (finding.kind == kClockOffsetKind) {
      offsets[BaseName(finding.file)] = std::atoll(finding.detail.c_str());
      ++score.expected;
    }
  }
  for (const Finding& finding : found) {
    if (finding.kind == kClockOffsetKind) {
      ++score.found;
      const auto offset = offsets.find(BaseName(finding.file));
      score.agreed +=
          offset != offsets.end() &&
          std::llabs(offset->second - std::atoll(finding.detail.c_str())) <= kClockToleranceSeconds;
    }
  }
  return score;
}
}  // namespace

double KindScore::Precision() const {
  return found == 0 ? 1.0 : static_cast<double>(agreed) / static_cast<double>(found);
}

double KindScore::Recall() const {
  return expected == 0 ? 1.0 : static_cast<double>(agreed) / static_cast<double>(expected);
}

std::vector<KindScore> ScoreFindings(const std::vector<Finding>& truth,
                                     const std::vector<Finding>& found, const CheckRules& rules) {
  std::set<QsoKey> truthKeys;
  for (const Finding& finding : truth) {
    if (finding.kind != kClockOffsetKind) {
      truthKeys.insert({BaseName(finding.file), finding.line, finding.kind});
    }
  }
  std::vector<KindScore> scores;
  for (QsoClass qsoClass : kAllClasses) {
    if (qsoClass != QsoClass::kConfirmed && RulesCanGive(qsoClass, rules)) {
      scores.push_back(ScoreQsoKind(std::string(ClassKey(qsoClass)), truthKeys, found));
    }
  }
  scores.push_back(ScoreClocks(truth, found));
  return scores;
}

std::string KindScoreTable(const std::vector<KindScore>& scores) {
  std::string table = "kind             expected    found   agreed  precision  recall\n";
  for (const KindScore& score : scores) {
    char line[128];
    std::snprintf(line, sizeof line, "%-15s %9zu %8zu %8zu %9.2f%% %6.2f%%\n", score.kind.c_str(),
                  score.expected, score.found, score.agreed, 100 * score.Precision(),
                  100 * score.Recall());
    table += line;
  }
  return table;
}
