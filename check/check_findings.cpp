#include "check/check_findings.h"

std::vector<Finding> CheckFindings(const ContestLogs& logs, const CheckResult& result) {
  std::vector<Finding> findings;
  for (std::size_t i = 0; i < logs.logs.size(); ++i) {
    const CheckLog& log = logs.logs[i];
    const std::int64_t offset = result.logs[i].clock.offset;
    if (offset != 0) {
      findings.push_back({log.file, 0, std::string(kClockOffsetKind), std::to_string(offset)});
    }
    for (std::size_t q = log.first; q < log.first + log.count; ++q) {
      const QsoClass qsoClass = result.outcomes[q].qsoClass;
      if (qsoClass != QsoClass::kConfirmed) {
        findings.push_back({log.file, logs.qsos[q].line, std::string(ClassKey(qsoClass)), ""});
      }
    }
  }
  return findings;
}
