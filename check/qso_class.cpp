#include "check/qso_class.h"

namespace {
struct ClassNames {
  QsoClass qsoClass;
  std::string_view name;
  std::string_view key;
};

constexpr ClassNames kNames[] = {
    {QsoClass::kConfirmed, "confirmed", "confirmed"},
    {QsoClass::kNotInLog, "not in log", "not-in-log"},
    {QsoClass::kBustedCall, "busted call", "busted-call"},
    {QsoClass::kBustedLocator, "busted locator", "busted-locator"},
    {QsoClass::kUnique, "unique", "unique"},
    {QsoClass::kNotCheckable, "not checkable", "not-checkable"},
    {QsoClass::kDuplicate, "duplicate", "duplicate"},
    {QsoClass::kBustedExchange, "busted exchange", "busted-exchange"},
    {QsoClass::kOutOfPeriod, "out of period", "out-of-period"},
};

const ClassNames& NamesOf(QsoClass qsoClass) {
  return kNames[static_cast<std::size_t>(qsoClass)];
}
}  // namespace

std::string_view ClassName(QsoClass qsoClass) {
  return NamesOf(qsoClass).name;
}

std::string_view ClassKey(QsoClass qsoClass) {
  return NamesOf(qsoClass).key;
}

std::optional<QsoClass> ClassOfKey(std::string_view key) {
  for (const ClassNames& names : kNames) {
    if (names.key == key) {
      return names.qsoClass;
    }
  }
  return std::nullopt;
}
