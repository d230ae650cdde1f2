// The scorer's distance component: GeometryDistance's answers, float for float, with the
// coordinates of a square read from its letters and digits and the distance between two squares
// computed once however many QSOs ask for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "distance/geometry_distance.h"

class CachedGeometryDistance : public DistanceComponent {
 public:
  HResult GetCoordA(const std::string& locator, float* coordA) override;
  HResult GetCoordB(const std::string& locator, float* coordB) override;
  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override;
  std::string ErrorDescription() override { return geometry_.ErrorDescription(); }
  std::string SystemMessage(HResult code) override { return geometry_.SystemMessage(code); }

 private:
  // A pair of squares and its distance; key 0 marks a free slot.
  struct Slot {
    std::uint32_t key = 0;
    float distance = 0;
  };

  float PairDistance(std::uint32_t key, float ownA, float ownB, float qsoA, float qsoB);
  void Grow();

  GeometryDistance geometry_;  // answers whatever is no square
  std::vector<Slot> slots_;    // a power of two of them, at most half taken
  std::size_t taken_ = 0;
};
