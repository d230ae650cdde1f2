// FNV-1a (32-bit), the hash by which the worked list and the worked fields place their entries:
// short texts, hashed a byte at a time, which is the fastest for texts this short.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t kFnvOffsetBasis = 2166136261u;

// The hash with one more value taken in: a byte, or a text's length.
constexpr std::uint32_t FnvStep(std::uint32_t hash, std::uint32_t value) {
  return (hash ^ value) * 16777619u;
}
