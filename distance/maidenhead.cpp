#include "distance/maidenhead.h"

#include <cmath>

#include "scoring/text_rules.h"

namespace {
constexpr double kKmPerDegree = 111.2;  // one degree of arc on the sphere (60 nautical miles)
constexpr double kPi = 3.14159265358979323846;

// One pair of locator characters: the first gives longitude, the second latitude.
struct LocatorPair {
  char first;     // 'A' for letters, '0' for digits
  int divisions;  // how many boxes the parent box is cut into, along each axis
};
constexpr LocatorPair kPairs[] = {{'A', 18}, {'0', 10}, {'A', 24}, {'0', 10}};

bool ReadDigit(char c, const LocatorPair& pair, int* value) {
  *value = (pair.first == 'A' ? UpperAscii(c) : c) - pair.first;
  return *value >= 0 && *value < pair.divisions;
}

double Radians(double degrees) {
  return degrees * kPi / 180.0;
}
}  // namespace

std::optional<LatLon> LocatorCentre(const std::string& locator) {
  const std::size_t pairs = locator.size() / 2;
  if (locator.size() % 2 != 0 || pairs < 1 || pairs > std::size(kPairs)) {
    return std::nullopt;
  }
  double longitude = -180.0;
  double latitude = -90.0;
  double lonSize = 360.0;
  double latSize = 180.0;
  for (std::size_t i = 0; i < pairs; ++i) {
    int lonIndex = 0;
    int latIndex = 0;
    if (!ReadDigit(locator[2 * i], kPairs[i], &lonIndex) ||
        !ReadDigit(locator[2 * i + 1], kPairs[i], &latIndex)) {
      return std::nullopt;
    }
    lonSize /= kPairs[i].divisions;
    latSize /= kPairs[i].divisions;
    longitude += lonIndex * lonSize;
    latitude += latIndex * latSize;
  }
  return LatLon{latitude + latSize / 2, longitude + lonSize / 2};
}

double GreatCircleKm(LatLon from, LatLon to) {
  // Haversine: well conditioned for near and far points alike.
  const double dLat = Radians(to.latitude - from.latitude);
  const double dLon = Radians(to.longitude - from.longitude);
  const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                   std::cos(Radians(from.latitude)) * std::cos(Radians(to.latitude)) *
                       std::sin(dLon / 2) * std::sin(dLon / 2);
  const double arc = 2 * std::atan2(std::sqrt(a), std::sqrt(1 - a));
  return arc * 180.0 / kPi * kKmPerDegree;
}

namespace {
// The centre of the locator's box at `length` characters, or of its square when it has fewer.
std::optional<LatLon> CentreAt(std::string_view locator, std::size_t length) {
  constexpr std::size_t kSquare = 4;
  const std::size_t taken = locator.size() >= length ? length : kSquare;
  if (locator.size() < taken) {
    return std::nullopt;
  }
  return LocatorCentre(std::string(locator.substr(0, taken)));
}
}  // namespace

std::optional<double> LocatorDistanceKm(std::string_view from, std::string_view to,
                                        std::size_t length) {
  const auto a = CentreAt(from, length);
  const auto b = CentreAt(to, length);
  if (!a || !b) {
    return std::nullopt;
  }
  return GreatCircleKm(*a, *b);
}
