// The rules a simulated contest is checked by: a contest's rules file, such as
// rules/iaru-r1-vhf.rules, with its period and bands made the simulation's.
#pragma once

#include <string>
#include <string_view>

#include "simulator/contest_simulator.h"

// `rules` (a rules file's text) without its period-start, period-end and bands lines, and with
// the simulated contest's instead.
std::string WithSimulatedPeriod(std::string_view rules, const SimulationSettings& settings);
