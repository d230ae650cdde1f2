// The simulator's random draws, the same for a seed on every system: the standard's engine gives
// the same numbers everywhere, and these helpers keep the drawing free of library-specific
// distributions.
#pragma once

#include <cstdint>
#include <random>

class Dice {
 public:
  explicit Dice(std::uint64_t seed) : engine_(seed) {}
  std::uint64_t Below(std::uint64_t n) { return engine_() % n; }
  double Unit() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  bool Chance(double p) { return Unit() < p; }
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(Below(static_cast<std::uint64_t>(high - low + 1)));
  }

 private:
  std::mt19937_64 engine_;
};
