// A QSO of the check written out as a Cabrillo QSO line would carry it, for the reports.
#pragma once

#include <cstdint>
#include <string>

#include "check/contest_logs.h"

// "2024-09-07 1405", with seconds when they are not zero ("2024-09-07 140530"); "(no time)".
std::string UtcText(std::int64_t seconds);

// "QSO: 14050 CW 2024-09-07 1405 DL1ABC JO31 OK1XYZ JN79": frequency, mode, time as logged, own
// call, own locator, call and exchange.
std::string QsoLineText(const ContestLogs& logs, std::uint32_t q);

// "ok1xyz.log:233: QSO: ...": where the QSO stands, then its line.
std::string PlacedQsoText(const ContestLogs& logs, std::uint32_t q);
