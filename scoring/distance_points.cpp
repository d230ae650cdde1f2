#include "scoring/distance_points.h"

#include <cmath>

namespace {
struct DistanceBand {
  double upTo;  // inclusive, whole kilometres
  std::int32_t points;
};

constexpr DistanceBand kDistanceBands[] = {
    {1000, 31}, {2000, 35}, {3000, 38}, {4000, 42}, {5000, 47}, {6000, 52}, {7000, 57}, {20000, 62},
};
}  // namespace

double RoundHalfToEven(double value) {
  // Not std::nearbyint: that follows the FPU rounding mode, which a host process may have changed.
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) {
    return floor + 1;
  }
  if (fraction < 0.5) {
    return floor;
  }
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

std::int32_t DistancePoints(double kilometres) {
  if (!std::isfinite(kilometres)) {
    return 0;
  }
  const double d = RoundHalfToEven(kilometres);
  if (d < 0) {
    return 0;
  }
  for (const DistanceBand& band : kDistanceBands) {
    if (d <= band.upTo) {
      return band.points;
    }
  }
  return 0;
}
