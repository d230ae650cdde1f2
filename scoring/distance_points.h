// Turns a distance in kilometres into the contest's points.
#pragma once

#include <cstdint>

// The nearest whole number; a value exactly halfway goes to the even neighbour.
double RoundHalfToEven(double value);

// Points for the distance rounded half to even; 0 below 0, above 20000 and for no finite number.
std::int32_t DistancePoints(double kilometres);
