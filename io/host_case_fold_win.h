// Letter case in the host's code page (the process's ANSI code page), as Windows upper-cases it.
#pragma once

#include "scoring/case_fold.h"

// Made once, at the first call. A byte keeps its place where its upper case is no single
// character of the code page (or it is no character on its own, as a lead byte).
const CaseFoldTable& HostCaseFold();
