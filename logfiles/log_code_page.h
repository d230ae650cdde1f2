// A log written in a single-byte code page, its texts made UTF-8 once read: the readers read the
// bytes as they come (an ADIF length counts them), and the outputs then show every character.
#pragma once

#include "logfiles/code_page.h"
#include "logfiles/contest_log.h"

// Makes every text of `log` (calls, exchanges, header texts, warnings) UTF-8 from `codePage`,
// unless they all are valid UTF-8 already, as an ASCII log or a UTF-8 one is.
void DecodeLogTexts(ContestLog& log, const CodePage& codePage);
