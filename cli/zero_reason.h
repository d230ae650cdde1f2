// Why a QSO scored no points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "scoring/qso.h"

enum class ZeroReason : std::uint8_t {
  kNone,  // it scored points
  kDuplicate,
  kNoLocator,       // the exchange holds nothing meant as a locator (empty, "59")
  kInvalidLocator,  // it holds a word meant as a locator but no square (IN2dp, ZZ00)
  kOutsideTable,    // the distance lies outside the points table
};
inline constexpr std::size_t kZeroReasonCount = 5;

// `exchange` is the received exchange as the QSO was scored with it.
ZeroReason ZeroReasonOf(const QsoResult& result, const std::string& exchange);

// The reason's key in the JSON result ("no_locator"); "" for kNone.
const char* ZeroReasonKey(ZeroReason reason);

// The reason as the summary counts it ("not a valid locator").
const char* ZeroReasonText(ZeroReason reason);
