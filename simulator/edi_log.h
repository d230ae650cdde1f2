// A station's log of one band of a simulated VHF contest as an EDI (REG1TEST) file, as the IARU
// Region 1 contests take them: a header naming the contest, the station, its locator, section
// (CHECK for a check log) and band, the claimed totals, then one record a line, lines ending in
// CR LF:
// date;time;call;mode;sent RST;sent number;received RST;received number;;received WWL;points;;;;D
// the last field D where the log marks the QSO a duplicate.
#pragma once

#include <cstdint>
#include <string>

#include "simulator/contest_simulator.h"

// A serial as the format writes it, three digits at least: 001.
std::string SerialText(std::uint32_t serial);

// The lines before the first record.
extern const int kEdiHeaderLines;

// The entries of log `log` on the band (an index into kVhfBands).
std::string EdiLogText(const SimulatedContest& contest, std::size_t log, std::uint8_t band);
