// The ADIF fields a QSO is made of, and the QSO they make: shared by the tag form (.adi) and the
// XML form (.adx) of ADIF.
#pragma once

#include <array>
#include <iterator>
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

namespace adif_fields_detail {
struct FieldName {
  std::string_view name;  // lower case
  AdifField field;
};
inline constexpr FieldName kFields[] = {
    {"call", AdifField::kCall},
    {"band", AdifField::kBand},
    {"freq", AdifField::kFreq},
    {"mode", AdifField::kMode},
    {"submode", AdifField::kSubmode},
    {"gridsquare", AdifField::kGrid},
    {"my_gridsquare", AdifField::kMyGrid},
    {"station_callsign", AdifField::kStation},
    {"operator", AdifField::kOperator},
    {"qso_date", AdifField::kDate},
    {"time_on", AdifField::kTime},
    {"contest_id", AdifField::kContestId},
};
static_assert(std::size(kFields) == kAdifFieldCount);

// `known` is in lower case.
inline bool IsName(std::string_view name, std::string_view known) {
  if (name.size() != known.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c) != known[i]) {
      return false;
    }
  }
  return true;
}
}  // namespace adif_fields_detail

// The field of that name in any case; nothing for the fields the scorer passes over. Inline: the
// tag reader asks for every field name of the file.
inline std::optional<AdifField> FindAdifField(std::string_view name) {
  for (const adif_fields_detail::FieldName& known : adif_fields_detail::kFields) {
    if (adif_fields_detail::IsName(name, known.name)) {
      return known.field;
    }
  }
  return std::nullopt;
}

// A record's values of the fields above, empty where it has none.
class AdifValues {
 public:
  std::string_view operator[](AdifField field) const { return values_[Index(field)]; }
  void Set(AdifField field, std::string_view value) { values_[Index(field)] = value; }

 private:
  static std::size_t Index(AdifField field) { return static_cast<std::size_t>(field); }
  std::array<std::string_view, kAdifFieldCount> values_{};
};

// A QSO made of a record's values: views of the values, or of upper-cased copies of them held in
// `copies` as long as the views are used.
struct AdifQso {
  QsoView view;
  std::array<std::string, 5> copies;
};

// Fills `qso` (all but its line) from a record's values. Returns empty, or, when the values make no
// QSO, the warning that says why.
std::string FillAdifQso(const AdifValues& values, AdifQso& qso);
