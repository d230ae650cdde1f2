#include "distance/geometry_distance.h"

#include "distance/maidenhead.h"

namespace {
// Locators are ASCII; anything wider cannot be one and is shown as '?'.
std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) {
    narrow.push_back(c >= 32 && c < 127 ? static_cast<char>(c) : '?');
  }
  return narrow;
}
}  // namespace

std::string InvalidLocatorMessage(const std::wstring& locator) {
  return "Invalid locator '" + Narrow(locator) + "'.";
}

HResult GeometryDistance::Coordinate(const std::wstring& locator, bool latitude, float* value) {
  const auto centre = LocatorCentre(Narrow(locator));
  if (!centre) {
    lastError_ = InvalidLocatorMessage(locator);
    return kInvalidArgument;
  }
  lastError_.clear();
  *value = static_cast<float>(latitude ? centre->latitude : centre->longitude);
  return 0;
}

HResult GeometryDistance::GetCoordA(const std::wstring& locator, float* coordA) {
  return Coordinate(locator, true, coordA);
}

HResult GeometryDistance::GetCoordB(const std::wstring& locator, float* coordB) {
  return Coordinate(locator, false, coordB);
}

HResult GeometryDistance::GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                      float* distance) {
  lastError_.clear();
  *distance = static_cast<float>(GreatCircleKm({ownA, ownB}, {qsoA, qsoB}));
  return 0;
}
