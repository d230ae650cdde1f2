// The ADIF fields a QSO is made of, and the QSO they make: shared by the tag form (.adi) and the
// XML form (.adx) of ADIF.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "cli/contest_log.h"

enum class AdifField {
  kCall,
  kBand,
  kFreq,
  kMode,
  kSubmode,
  kGrid,
  kMyGrid,
  kStation,
  kOperator,
  kDate,
  kTime,
  kContestId,
};
inline constexpr std::size_t kAdifFieldCount = 12;

// The field of that name in any case; nothing for the fields the scorer passes over.
std::optional<AdifField> FindAdifField(std::string_view name);

// A record's values of the fields above, empty where it has none.
class AdifValues {
 public:
  std::string_view operator[](AdifField field) const { return values_[Index(field)]; }
  void Set(AdifField field, std::string_view value) { values_[Index(field)] = value; }

 private:
  static std::size_t Index(AdifField field) { return static_cast<std::size_t>(field); }
  std::array<std::string_view, kAdifFieldCount> values_{};
};

// Fills `qso` (all but its line) from a record's values. Returns empty, or, when the values make no
// QSO, the warning that says why.
std::string FillAdifQso(const AdifValues& values, LogQso& qso);
