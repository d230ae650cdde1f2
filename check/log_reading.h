// The reading phase of a check: every log read by the scorer's readers and scored as claimed on
// the engine, on all cores, into the check's compact form.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "check/contest_logs.h"
#include "check/progress_bar.h"
#include "logfiles/code_page.h"

// A file that cannot be read is kept as a log with its error and no QSOs. A log that is not UTF-8
// is read in `codePage` where one is given (ReadLogFile).
ContestLogs ReadContestLogs(const std::vector<std::string>& files,
                            const std::optional<CodePage>& codePage, unsigned threads,
                            ProgressBar& progress);

// Sets aside every log of a station that an earlier log names too (a copy, another version, a
// part of a split log): the station is ranked once, on the first log given, and the others are
// listed with an error naming it. Before ContestLogs::Seal.
void SetAsideRepeatedStations(ContestLogs& logs);

// Scores `content` as claimed and enters it as log `index` of `logs`. A log that cannot be scored
// keeps its QSOs, for the other logs' sake, with the reason as its error.
void EnterLog(ContestLogs& logs, std::size_t index, const std::string& file, ContestLog content);
