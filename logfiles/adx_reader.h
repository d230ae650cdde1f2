// Reads an ADX log, the XML form of ADIF: <ADX><HEADER>...</HEADER><RECORDS><RECORD><CALL>...
// </CALL>...</RECORD>...</RECORDS></ADX>, element names in any case. The XML parser (expat) takes
// the encoding the document declares, UTF-16 and any single-byte code page included.
#pragma once

#include <optional>
#include <string_view>

#include "logfiles/code_page.h"
#include "logfiles/contest_log.h"

// A document that declares no encoding and is neither UTF-8 nor UTF-16 is read in `codePage`,
// where one is given.
ContestLog ReadAdx(std::string_view text, const std::optional<CodePage>& codePage = std::nullopt,
                   QsoDetail detail = QsoDetail::kFull);
