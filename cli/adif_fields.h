// The ADIF fields a QSO is made of, and the QSO they make: shared by the tag form (.adi) and the
// XML form (.adx) of ADIF.
#pragma once

#include <array>
#include <cstdint>
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

// The known names are made of a..z and '_': setting a character's 0x20 bit turns A..Z into a..z
// and turns nothing else into a..z or '_'.
constexpr bool NamesAreLowerLettersAndUnderscores() {
  for (const FieldName& known : kFields) {
    for (char c : known.name) {
      if ((c < 'a' || c > 'z') && c != '_') {
        return false;
      }
    }
  }
  return true;
}
static_assert(NamesAreLowerLettersAndUnderscores());

// `known` is as long as `name`.
inline bool IsName(std::string_view name, std::string_view known) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] != known[i] && (name[i] | 0x20) != known[i]) {
      return false;
    }
  }
  return true;
}

// No two fields share their name's length and first letter: a name that has a field's shape is
// that field's name or none, and most names of a file have no field's shape.
inline constexpr std::size_t kLongestName = 16;
struct Shapes {
  std::int8_t field[kLongestName + 1][26];
};
inline constexpr Shapes kShapes = [] {
  Shapes shapes{};
  for (auto& row : shapes.field) {
    for (std::int8_t& entry : row) {
      entry = -1;
    }
  }
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    shapes.field[kFields[i].name.size()][kFields[i].name[0] - 'a'] = static_cast<std::int8_t>(i);
  }
  return shapes;
}();
constexpr bool ShapesAreUnique() {
  std::size_t shaped = 0;
  for (const auto& row : kShapes.field) {
    for (std::int8_t entry : row) {
      shaped += entry >= 0 ? 1 : 0;
    }
  }
  return shaped == std::size(kFields);
}
static_assert(ShapesAreUnique());
}  // namespace adif_fields_detail

// The field of that name in any case; nothing for the fields the scorer passes over. Inline: the
// tag reader asks for every field name of the file.
inline std::optional<AdifField> FindAdifField(std::string_view name) {
  using namespace adif_fields_detail;
  if (name.empty() || name.size() > kLongestName) {
    return std::nullopt;
  }
  const int first = (name[0] | 0x20) - 'a';
  if (first < 0 || first >= 26) {
    return std::nullopt;
  }
  const std::int8_t index = kShapes.field[name.size()][first];
  if (index < 0 || !IsName(name, kFields[index].name)) {
    return std::nullopt;
  }
  return kFields[index].field;
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
