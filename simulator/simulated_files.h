// A simulated contest as files: each station's log as Cabrillo 3.0 or ADIF, or for a VHF contest
// a log per band as EDI, and the truth of every injected fault in the rows of the check's
// findings.
#pragma once

#include <string>
#include <vector>

#include "check/findings.h"
#include "simulator/contest_simulator.h"

struct SimulatedFile {
  std::string name;  // "dl1abc.log", "dl1abc.adi", or for VHF "dl1abc-144.edi"
  std::string text;
};

// Log number `log` of an HF contest: Cabrillo QSO lines
// "QSO: 14050 CW 2024-09-07 1405 DL1ABC JO31 OK1XYZ JN79", or one ADIF record a line.
SimulatedFile SimulatedLogFile(const SimulatedContest& contest, std::size_t log);

// Every file station `log` sends: its HF log, or its VHF log of each band it sends one for, in
// the order of the bands.
std::vector<SimulatedFile> SimulatedLogFiles(const SimulatedContest& contest, std::size_t log);

// Every entry the check should not confirm, with the class it should give, and every clock that
// is off (a VHF station's in each of its logs). An entry with a station that sends no log (for
// VHF: none for the band) is unique or not checkable whatever was injected into it, since
// nothing can show its fault; unique when no other log has the call (for VHF: no other log of
// the band). A QSO made out of the period is that, whoever logged it.
std::vector<Finding> SimulatedTruth(const SimulatedContest& contest);

// Writes `folder`/logs/ with the logs and `folder`/truth.csv, making the folders. Throws
// std::runtime_error when a file cannot be written.
void WriteSimulatedContest(const SimulatedContest& contest, const std::string& folder);
