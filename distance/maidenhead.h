// Maidenhead locators on a sphere: the centre of a locator's box, and great-circle distances.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct LatLon {
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
};

// The centre of the smallest box the locator names: 2 characters a field, 4 a square, 6 a
// sub-square, 8 an extended square. Letters in either case. Nothing for any other text.
std::optional<LatLon> LocatorCentre(const std::string& locator);

// Great-circle distance in kilometres on a sphere of 111.2 km per degree of arc.
double GreatCircleKm(LatLon from, LatLon to);

// Kilometres between the centres of two locators, each taken to its first `length` characters
// (4: the square, 6: the sub-square); a locator shorter than that is taken at the centre of its
// square. Nothing when either names no box at that length.
std::optional<double> LocatorDistanceKm(std::string_view from, std::string_view to,
                                        std::size_t length);
