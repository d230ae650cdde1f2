// How a station miscopies the exchange of a VHF contest besides the call: a letter of the
// sub-square, a serial, a report. Each gives a value other than the one sent, as an operator's
// slip does.
#pragma once

#include <cstdint>

#include "simulator/dice.h"

// The letters of a sub-square, A to X, east and north.
inline constexpr std::uint16_t kSubsquareLetters = 24;

// A sub-square (24 * east + north, each letter's place) with one of its letters a place or two
// off: KN17KT copied as KN17KS.
std::uint16_t MiscopiedSubsquare(std::uint16_t subsquare, Dice& dice);

// Mostly one off, else one of its three last digits another: never 0.
std::uint32_t MiscopiedSerial(std::uint32_t serial, Dice& dice);

// The strength, the report's second digit, heard as 5 to 8: 59 as 57, 599 as 579.
std::uint16_t MiscopiedReport(std::uint16_t report, Dice& dice);
