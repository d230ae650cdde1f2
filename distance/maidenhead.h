// Maidenhead locators on a sphere: the centre of a locator's box, and great-circle distances.
#pragma once

#include <optional>
#include <string>

struct LatLon {
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
};

// The centre of the smallest box the locator names: 2 characters a field, 4 a square, 6 a
// sub-square, 8 an extended square. Letters in either case. Nothing for any other text.
std::optional<LatLon> LocatorCentre(const std::string& locator);

// Great-circle distance in kilometres on a sphere of 111.2 km per degree of arc.
double GreatCircleKm(LatLon from, LatLon to);
