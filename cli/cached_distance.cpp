#include "cli/cached_distance.h"

#include "cli/square_set.h"

namespace {
constexpr std::size_t kFirstSlots = 1024;

// A square's centre in degrees: 10 by 20 degree fields of 1 by 2 degree squares, from 90 S and
// 180 W. Every step is exact in double, so these are the floats the geometry gives.
struct Centre {
  float latitude;
  float longitude;
};
Centre SquareCentre(int square) {
  const int lonField = square / 1800;
  const int latField = square / 100 % 18;
  const int lonDigit = square / 10 % 10;
  const int latDigit = square % 10;
  return {static_cast<float>(-90.0 + latField * 10.0 + latDigit * 1.0 + 0.5),
          static_cast<float>(-180.0 + lonField * 20.0 + lonDigit * 2.0 + 1.0)};
}

// A locator of exactly a square's four characters; the geometry reads any other text.
std::optional<int> SquareOf(const std::string& locator) {
  if (locator.size() != 4) {
    return std::nullopt;
  }
  return SquareIndex(locator);
}

std::size_t SlotOf(std::uint32_t key, std::size_t slots) {
  // Fibonacci hashing: the high bits of the product spread neighbouring squares apart.
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (slots - 1);
}
}  // namespace

std::optional<int> SquareAtCentre(float latitude, float longitude) {
  const float row = latitude + 89.5f;
  const float column = (longitude + 179.0f) / 2;
  if (!(row >= 0 && row < 180 && column >= 0 && column < 180)) {
    return std::nullopt;
  }
  const int latIndex = static_cast<int>(row);
  const int lonIndex = static_cast<int>(column);
  const int square =
      (lonIndex / 10 * 18 + latIndex / 10) * 100 + lonIndex % 10 * 10 + latIndex % 10;
  const Centre centre = SquareCentre(square);
  if (centre.latitude != latitude || centre.longitude != longitude) {
    return std::nullopt;
  }
  return square;
}

HResult CachedGeometryDistance::GetCoordA(const std::string& locator, float* coordA) {
  if (const std::optional<int> square = SquareOf(locator)) {
    *coordA = SquareCentre(*square).latitude;
    return 0;
  }
  return geometry_.GetCoordA(locator, coordA);
}

HResult CachedGeometryDistance::GetCoordB(const std::string& locator, float* coordB) {
  if (const std::optional<int> square = SquareOf(locator)) {
    *coordB = SquareCentre(*square).longitude;
    return 0;
  }
  return geometry_.GetCoordB(locator, coordB);
}

HResult CachedGeometryDistance::GetDistance(float ownA, float ownB, float qsoA, float qsoB,
                                            float* distance) {
  const std::optional<int> own = SquareAtCentre(ownA, ownB);
  const std::optional<int> qso = SquareAtCentre(qsoA, qsoB);
  if (!own || !qso) {
    return geometry_.GetDistance(ownA, ownB, qsoA, qsoB, distance);
  }
  const auto key = static_cast<std::uint32_t>(*own * kSquareCount + *qso + 1);
  *distance = PairDistance(key, ownA, ownB, qsoA, qsoB);
  return 0;
}

float CachedGeometryDistance::PairDistance(std::uint32_t key, float ownA, float ownB, float qsoA,
                                           float qsoB) {
  if (slots_.empty()) {
    slots_.resize(kFirstSlots);
  }
  std::size_t i = SlotOf(key, slots_.size());
  while (slots_[i].key != 0) {
    if (slots_[i].key == key) {
      return slots_[i].distance;
    }
    i = (i + 1) & (slots_.size() - 1);
  }
  float distance = 0;
  geometry_.GetDistance(ownA, ownB, qsoA, qsoB, &distance);
  slots_[i] = {key, distance};
  if (++taken_ * 2 > slots_.size()) {
    Grow();
  }
  return distance;
}

void CachedGeometryDistance::Grow() {
  std::vector<Slot> old(slots_.size() * 2);
  old.swap(slots_);
  for (const Slot& slot : old) {
    if (slot.key != 0) {
      std::size_t i = SlotOf(slot.key, slots_.size());
      while (slots_[i].key != 0) {
        i = (i + 1) & (slots_.size() - 1);
      }
      slots_[i] = slot;
    }
  }
}
