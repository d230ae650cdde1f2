// What the check found of a QSO: confirmed by the other station's log, or why not.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class QsoClass : unsigned char {
  kConfirmed,
  kNotInLog,        // the station worked sent a log without this QSO
  kBustedCall,      // the call logged sent no log; a station with a near call logged this one
  kBustedLocator,   // the square copied is not the one the other station sent
  kUnique,          // the call logged is in no other log
  kNotCheckable,    // the call logged sent no log and no near call explains it
  kDuplicate,       // the engine's duplicate: same call, band and mode logged before
  kBustedExchange,  // the report or serial copied is not the one the other station sent
  kOutOfPeriod,     // made outside the contest's period, or on a band it does not count
};

inline constexpr std::size_t kQsoClassCount = 9;

// "not in log": for people.
std::string_view ClassName(QsoClass qsoClass);
// "not-in-log": for files that programs read.
std::string_view ClassKey(QsoClass qsoClass);
std::optional<QsoClass> ClassOfKey(std::string_view key);

// The classes in the order reports list them.
inline constexpr std::array<QsoClass, kQsoClassCount> kAllClasses = {
    QsoClass::kConfirmed,     QsoClass::kNotInLog,       QsoClass::kBustedCall,
    QsoClass::kBustedLocator, QsoClass::kUnique,         QsoClass::kNotCheckable,
    QsoClass::kDuplicate,     QsoClass::kBustedExchange, QsoClass::kOutOfPeriod};

inline constexpr std::uint32_t kNoPartner = UINT32_MAX;

// A QSO's class and the QSO it was judged by, where there is one: the other log's entry it was
// matched with or compared to, or for a duplicate the entry of the same log it repeats.
struct QsoOutcome {
  QsoClass qsoClass = QsoClass::kConfirmed;
  std::uint32_t partner = kNoPartner;
};
