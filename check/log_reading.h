// The reading phase of a check: every log read by the scorer's readers and scored as claimed on
// the engine, on all cores, into the check's compact form.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/check_rules.h"
#include "check/contest_logs.h"
#include "check/progress_bar.h"
#include "logfiles/code_page.h"

// A file that cannot be read is kept as a log with its error and no QSOs. A log that is not UTF-8
// is read in `codePage` where one is given (ReadLogFile). Repeated stations are set aside by the
// rules (SetAsideRepeatedStations).
ContestLogs ReadContestLogs(const std::vector<std::string>& files,
                            const std::optional<CodePage>& codePage, const CheckRules& rules,
                            unsigned threads, ProgressBar& progress);

// Sets aside every log of a station that an earlier log names too (a copy, another version, a
// part of a split log), for the same band where the rules have a log for each band, its call as
// the matching takes it: the station is ranked once, on the first log given, and the others are
// listed with an error naming it. Before ContestLogs::Seal.
void SetAsideRepeatedStations(ContestLogs& logs, const CheckRules& rules);

// Scores `content` as claimed and enters it as log `index` of `logs`. A log that cannot be scored
// keeps its QSOs, for the other logs' sake, with the reason as its error. A log whose serial
// columns are swapped (SerialColumnsSwapped) is entered the other way round, with a warning.
void EnterLog(ContestLogs& logs, std::size_t index, const std::string& file, ContestLog content);
