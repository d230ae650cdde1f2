// A distance component for tests: records each call, answers a set distance, fails on request.
#pragma once

#include <string>
#include <vector>

#include "distance/distance_component.h"

class FakeDistanceComponent : public DistanceComponent {
 public:
  float distance = 500;     // what GetDistance answers
  std::string failLocator;  // a coordinate call for this locator fails
  bool failDistance = false;
  std::string description = "Bad locator.";
  std::vector<std::string> coordCalls;  // "A:KO85", "B:KO85", ... in call order
  int distanceCalls = 0;

  HResult GetCoordA(const std::string& locator, float* coordA) override {
    return Coord("A:", locator, coordA);
  }
  HResult GetCoordB(const std::string& locator, float* coordB) override {
    return Coord("B:", locator, coordB);
  }
  HResult GetDistance(float, float, float, float, float* result) override {
    ++distanceCalls;
    if (failDistance) {
      return kFailure;
    }
    *result = distance;
    return 0;
  }
  std::string ErrorDescription() override { return description; }
  std::string SystemMessage(HResult) override { return {}; }

  static constexpr HResult kFailure = static_cast<HResult>(0x80070057);

 private:
  HResult Coord(const char* which, const std::string& locator, float* value) {
    coordCalls.push_back(which + locator);
    if (!failLocator.empty() && locator == failLocator) {
      return kFailure;
    }
    *value = static_cast<float>(locator.size());
    return 0;
  }
};
