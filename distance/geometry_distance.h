// The distance component computed in-process from the Maidenhead geometry: coordinate A is the
// latitude and B the longitude of a locator's centre, in degrees; distances in kilometres.
#pragma once

#include <string>

#include "distance/distance_component.h"

class GeometryDistance : public DistanceComponent {
 public:
  static constexpr HResult kInvalidArgument = static_cast<HResult>(0x80070057);  // E_INVALIDARG

  HResult GetCoordA(const std::string& locator, float* coordA) override;
  HResult GetCoordB(const std::string& locator, float* coordB) override;
  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override;
  std::string ErrorDescription() override { return lastError_; }
  std::string SystemMessage(HResult) override { return {}; }

 private:
  HResult Coordinate(const std::string& locator, bool latitude, float* value);

  std::string lastError_;
};

// "Invalid locator 'ZZ00'." for a locator text that names no box.
std::string InvalidLocatorMessage(const std::string& locator);
