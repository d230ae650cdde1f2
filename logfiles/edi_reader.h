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

// The names a header opens with: the format's, and a misspelling several programs write.
inline constexpr std::string_view kEdiIdentifiers[] = {"REG1TEST", "REGITEST"};

// `name` ("REG1TEST" of "[REG1TEST;1]") is one of them, in any case.
bool IsEdiIdentifier(std::string_view name);

ContestLog ReadEdi(std::string_view text, QsoDetail detail = QsoDetail::kFull);
