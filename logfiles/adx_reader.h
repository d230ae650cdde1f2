// Reads an ADX log, the XML form of ADIF: <ADX><HEADER>...</HEADER><RECORDS><RECORD><CALL>...
// </CALL>...</RECORD>...</RECORDS></ADX>, element names in any case. The XML parser (expat) takes
// the encoding the document declares, UTF-16 included.
#pragma once

#include <string_view>

#include "logfiles/contest_log.h"

ContestLog ReadAdx(std::string_view text);
