#include "distance/geometry_distance.h"

#include "distance/maidenhead.h"

namespace {
// Locators are ASCII; any other character cannot be part of one and is shown as '?'.
std::string Printable(const std::string& text) {
  std::string printable;
  for (char c : text) {
    printable.push_back(c >= 32 && c < 127 ? c : '?');
  }
  return printable;
}
}  // namespace

std::string InvalidLocatorMessage(const std::string& locator) {
  return "Invalid locator '" + Printable(locator) + "'.";
}

HResult GeometryDistance::Coordinate(const std::string& locator, bool latitude, float* value) {
  const auto centre = LocatorCentre(Printable(locator));
  if (!centre) {
    lastError_ = InvalidLocatorMessage(locator);
    return kInvalidArgument;
  }
  lastError_.clear();
  *value = static_cast<float>(latitude ? centre->latitude : centre->longitude);
  return 0;
}

HResult GeometryDistance::GetCoordA(const std::string& locator, float* coordA) {
  return Coordinate(locator, true, coordA);
}

HResult GeometryDistance::GetCoordB(const std::string& locator, float* coordB) {
  return Coordinate(locator, false, coordB);
}

HResult GeometryDistance::GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                      float* distance) {
  lastError_.clear();
  *distance = static_cast<float>(GreatCircleKm({ownA, ownB}, {qsoA, qsoB}));
  return 0;
}
