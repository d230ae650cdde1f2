// Letter case in the host's code page (the process's ANSI code page), as Windows upper-cases it:
// the host's own rule, which the worked fields follow as the host does, and not the letter case of
// logs and calls (UpperAscii, scoring/text_rules.h).
#pragma once

#include "scoring/case_fold.h"

// Made once, at the first call. A byte keeps its place where its upper case is no single
// character of the code page (or it is no character on its own, as a lead byte).
const CaseFoldTable& HostCaseFold();
