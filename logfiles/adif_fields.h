// The ADIF fields a QSO is made of, and the QSO they make: shared by the tag form (.adi) and the
// XML form (.adx) of ADIF.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "logfiles/contest_log.h"
#include "logfiles/log_text.h"
#include "logfiles/log_time.h"

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
  kRstSent,
  kRstReceived,
  kSentSerial,
  kSentText,
  kReceivedSerial,
  kReceivedText,
};

namespace adif_fields_detail {
struct FieldName {
  std::string_view name;  // lower case
  AdifField field;
};
// One row a field, in the order of AdifField.
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
    {"rst_sent", AdifField::kRstSent},
    {"rst_rcvd", AdifField::kRstReceived},
    {"stx", AdifField::kSentSerial},
    {"stx_string", AdifField::kSentText},
    {"srx", AdifField::kReceivedSerial},
    {"srx_string", AdifField::kReceivedText},
};
}  // namespace adif_fields_detail

inline constexpr std::size_t kAdifFieldCount = std::size(adif_fields_detail::kFields);
// A reading for scoring looks for the fields before the reports and serials (RST_SENT on), and
// passes those over as any other field it does not know.
inline constexpr std::size_t kScoringFieldCount = static_cast<std::size_t>(AdifField::kRstSent);

namespace adif_fields_detail {
constexpr bool RowsFollowTheFields() {
  for (std::size_t i = 0; i < kAdifFieldCount; ++i) {
    if (static_cast<std::size_t>(kFields[i].field) != i) {
      return false;
    }
  }
  return true;
}
static_assert(RowsFollowTheFields());

// The known names are made of a..z and '_': setting a character's 0x20 bit turns A..Z into a..z,
// as LowerAscii does, and turns nothing else into a..z or '_'; a name is compared a word at a time.
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

inline constexpr std::size_t kLongestName = 16;
constexpr bool NamesAreOneToSixteenLong() {
  for (const FieldName& known : kFields) {
    if (known.name.empty() || known.name.size() > kLongestName) {
      return false;
    }
  }
  return true;
}
static_assert(NamesAreOneToSixteenLong());

// Each field's name, and 0x20 at each of its letters: a byte of a name OR its letter's bit is the
// field's byte exactly when it is that letter in either case, or that '_'.
struct NameBytes {
  char name[kLongestName];
  char letterBits[kLongestName];
};
inline constexpr std::array<NameBytes, kAdifFieldCount> kNameBytes = [] {
  std::array<NameBytes, kAdifFieldCount> table{};
  for (std::size_t i = 0; i < kAdifFieldCount; ++i) {
    for (std::size_t c = 0; c < kFields[i].name.size(); ++c) {
      table[i].name[c] = kFields[i].name[c];
      table[i].letterBits[c] = kFields[i].name[c] == '_' ? 0 : 0x20;
    }
  }
  return table;
}();

// Compares the name's first and last `T`s, overlapping or not, with the field's.
template <typename T>
bool EndsAreName(std::string_view name, const NameBytes& known) {
  const std::size_t last = name.size() - sizeof(T);
  return (WordAt<T>(name.data()) | WordAt<T>(known.letterBits)) == WordAt<T>(known.name) &&
         (WordAt<T>(name.data() + last) | WordAt<T>(known.letterBits + last)) ==
             WordAt<T>(known.name + last);
}

// `name` is as long as field `index`'s name, four bytes or more: a word or two compared at a time,
// as the tag reader asks at every tag.
inline bool IsName(std::string_view name, std::size_t index) {
  return name.size() >= 8 ? EndsAreName<std::uint64_t>(name, kNameBytes[index])
                          : EndsAreName<std::uint32_t>(name, kNameBytes[index]);
}

// IsName for a name shorter than a word: a byte at a time.
inline bool IsShortName(std::string_view name, std::size_t index) {
  const NameBytes& known = kNameBytes[index];
  for (std::size_t c = 0; c < name.size(); ++c) {
    if ((name[c] | known.letterBits[c]) != known.name[c]) {
      return false;
    }
  }
  return true;
}

// A name's shape: its length, and its first character by its low five bits, which tell the
// letters apart in either case (a character that is no letter may share them with one: IsName
// then tells it from that letter). Most names of a file have no field's shape, and most shapes
// are one field's: a name is looked up in one step, compared once.
constexpr std::size_t FirstBits(char c) {
  return static_cast<unsigned char>(c) & 0x1F;
}
struct Shapes {
  std::int8_t first[kLongestName + 1][32];  // the first field of each shape; -1 for none
  std::int8_t next[kAdifFieldCount];        // the next field of the same shape; -1 for none
};
// The shapes of the first `fieldCount` fields of the table.
constexpr Shapes ShapesOf(std::size_t fieldCount) {
  Shapes shapes{};
  for (auto& row : shapes.first) {
    for (std::int8_t& entry : row) {
      entry = -1;
    }
  }
  // Backwards, each field put before those of its shape already in: each shape's fields in the
  // order of the table.
  for (std::size_t i = fieldCount; i-- > 0;) {
    std::int8_t& first = shapes.first[kFields[i].name.size()][FirstBits(kFields[i].name[0])];
    shapes.next[i] = first;
    first = static_cast<std::int8_t>(i);
  }
  return shapes;
}
inline constexpr Shapes kFullShapes = ShapesOf(kAdifFieldCount);
inline constexpr Shapes kScoringShapes = ShapesOf(kScoringFieldCount);

// The field of a name of one to three characters, the few names IsName's words do not fit.
inline std::optional<AdifField> FindShortField(std::string_view name, const Shapes& shapes) {
  for (std::int8_t field = shapes.first[name.size()][FirstBits(name[0])]; field >= 0;
       field = shapes.next[field]) {
    if (IsShortName(name, static_cast<std::size_t>(field))) {
      return kFields[field].field;
    }
  }
  return std::nullopt;
}
}  // namespace adif_fields_detail

// The field of that name in any case, of those a reading in `detail` looks for; nothing for the
// fields the readers pass over. Inline: the tag reader asks for every field name of the file.
inline std::optional<AdifField> FindAdifField(std::string_view name,
                                              QsoDetail detail = QsoDetail::kFull) {
  using namespace adif_fields_detail;
  const Shapes& shapes = detail == QsoDetail::kFull ? kFullShapes : kScoringShapes;
  // One comparison keeps out the names that do not fit IsName's words: few of a file.
  if (name.size() - 4 > kLongestName - 4) {
    return name.empty() || name.size() > kLongestName ? std::nullopt : FindShortField(name, shapes);
  }
  // The loop of FindShortField with IsName: one loop for both, measured, costs every tag.
  for (std::int8_t field = shapes.first[name.size()][FirstBits(name[0])]; field >= 0;
       field = shapes.next[field]) {
    if (IsName(name, static_cast<std::size_t>(field))) {
      return kFields[field].field;
    }
  }
  return std::nullopt;
}

// A record's values of the fields above, empty where it has none. A bit for each value set, and
// the values left as they come: a reader makes one of these for every record, and clearing all
// the values would cost more than the few it reads.
class AdifValues {
 public:
  std::string_view operator[](AdifField field) const {
    const Value& value = values_[Index(field)];
    return (set_ >> Index(field)) & 1 ? std::string_view(value.data, value.size)
                                      : std::string_view();
  }
  void Set(AdifField field, std::string_view value) {
    values_[Index(field)] = {value.data(), value.size()};
    set_ |= 1u << Index(field);
  }

 private:
  struct Value {
    const char* data;
    std::size_t size;
  };
  static std::size_t Index(AdifField field) { return static_cast<std::size_t>(field); }
  std::array<Value, kAdifFieldCount> values_;
  unsigned set_ = 0;
  static_assert(kAdifFieldCount <= sizeof set_ * 8);
};

// A QSO made of a record's values: views of the values, or of upper-cased copies of them held in
// `copies` as long as the views are used.
struct AdifQso {
  QsoView view;
  std::array<std::string, 5> copies;
  UtcClock clock;
};

// Fills `qso` (all but its line, and but its reports and serials unless `detail` is kFull) from a
// record's values. Returns empty, or, when the values make no QSO, the warning that says why.
std::string FillAdifQso(const AdifValues& values, QsoDetail detail, AdifQso& qso);
