// Reads an EDI log (REG1TEST), the format of the VHF and UHF contests of IARU Region 1. A section
// opens with [REG1TEST;1] and its header lines (PCall=, PWWLo=, PBand=, TName=, TDate=), then
// [QSORecords;N] and one record a line:
// date;time;call;mode code;sent RST;sent number;received RST;received number;received exchange;
// received WWL;points;new exchange;new WWL;new DXCC;duplicate
// The band of a record is its section's PBand, its own locator the section's PWWLo; the log's
// section (PSect) is its first header's, its band the one band its headers name.
#pragma once

#include <string_view>

#include "logfiles/contest_log.h"

ContestLog ReadEdi(std::string_view text);
