// Reads a log of any kind the scorer knows, telling the kind from the content.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "logfiles/code_page.h"
#include "logfiles/contest_log.h"

// `path` "-" reads standard input. `table` names the log table of an SQLite file (empty: find it).
// A text log that is not valid UTF-8 is taken as written in `codePage`, where one is given, and its
// texts (and its error) made UTF-8; an ADX document that declares its encoding is read as it
// declares. Each QSO is read in `detail`. Throws LogError for a file that cannot be read or is no
// log.
ContestLog ReadLogFile(const std::string& path, const std::string& table,
                       const std::optional<CodePage>& codePage = std::nullopt,
                       QsoDetail detail = QsoDetail::kFull);

// A Cabrillo, ADIF, ADX or EDI log already in memory, in UTF-8, a single-byte code page or UTF-16
// with its byte-order mark; `codePage` and `detail` as for ReadLogFile.
ContestLog ReadLogText(std::string_view content,
                       const std::optional<CodePage>& codePage = std::nullopt,
                       QsoDetail detail = QsoDetail::kFull);
