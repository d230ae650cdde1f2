// The scorer's distance component: GeometryDistance's answers, float for float, with the
// coordinates of a square read from its letters and digits and the distance between two squares
// computed once however many QSOs ask for it. The distances from the first few own squares are
// held in a row per own square, by the worked square's number: a log's QSOs from one place find
// theirs without a search; a rover's other squares share a hash table. A failed measurement is
// returned as its code and never held.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "distance/geometry_distance.h"

class CachedGeometryDistance : public DistanceComponent {
 public:
  CachedGeometryDistance() : geometry_(std::make_unique<GeometryDistance>()) {}
  // Asks `geometry` instead, as a test does with a component that fails.
  explicit CachedGeometryDistance(std::unique_ptr<DistanceComponent> geometry)
      : geometry_(std::move(geometry)) {}

  HResult GetCoordA(const std::string& locator, float* coordA) override;
  HResult GetCoordB(const std::string& locator, float* coordB) override;
  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override;
  std::string ErrorDescription() override { return geometry_->ErrorDescription(); }
  std::string SystemMessage(HResult code) override { return geometry_->SystemMessage(code); }

 private:
  // A pair of squares and its distance; key 0 marks a free slot.
  struct Slot {
    std::uint32_t key = 0;
    float distance = 0;
  };

  // The distances from one own square, -1 where not yet measured.
  struct Row {
    int own;
    std::vector<float> distances;
  };

  // The row of the own square, made while fewer than kRows are held; nullptr beyond.
  Row* RowOf(int own);
  HResult PairDistance(std::uint32_t key, float ownA, float ownB, float qsoA, float qsoB,
                       float* distance);
  void Grow();

  std::unique_ptr<DistanceComponent> geometry_;  // answers whatever is no square
  std::vector<Row> rows_;
  std::vector<Slot> slots_;  // a power of two of them, at most half taken
  std::size_t taken_ = 0;
};
