#include "logfiles/adif_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FindAdifField, TakesANameInAnyCaseAndNoOtherName) {
  struct {
    const char* name;
    std::optional<AdifField> field;
  } cases[] = {
      {"call", AdifField::kCall},
      {"CaLL", AdifField::kCall},
      {"SubMode", AdifField::kSubmode},
      {"STATION_CALLSIGN", AdifField::kStation},
      {"My_GridSquare", AdifField::kMyGrid},
      {"QSO_DATE", AdifField::kDate},
      // One byte otherwise, at the first, a middle and the last place of short and long names.
      {"kall", std::nullopt},
      {"cbll", std::nullopt},
      {"calm", std::nullopt},
      {"submoDf", std::nullopt},
      {"subXode", std::nullopt},
      {"station_callsigm", std::nullopt},
      {"station_ballsign", std::nullopt},
      {"station-callsign", std::nullopt},
      {"stationxcallsign", std::nullopt},
      {"my_gridsquarf", std::nullopt},
      {"my_grid_quare", std::nullopt},
      // '_' has no case, and no other byte becomes a letter by its case bit.
      {"qso\177date", std::nullopt},
      {"c\x01ll", std::nullopt},
      {"time_o\x4e", AdifField::kTime},
      {"time_o\x0e", std::nullopt},
      // A first byte that shares its low five bits with a field's first letter.
      {"#all", std::nullopt},
      {"\343all", std::nullopt},
      {"\203ALL", std::nullopt},
      {"\x14ime_on", std::nullopt},
      {"Time_on", AdifField::kTime},
      {"", std::nullopt},
      {"rst_rcvd", AdifField::kRstReceived},
      {"time_off", std::nullopt},
      // Fields that share their name's shape, and names shorter than a word.
      {"SRX_STRING", AdifField::kReceivedText},
      {"stx_string", AdifField::kSentText},
      {"sax_string", std::nullopt},
      {"Stx", AdifField::kSentSerial},
      {"sRX", AdifField::kReceivedSerial},
      {"st", std::nullopt},
      {"s", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindAdifField(c.name), c.field);
  }
}

// Values are kept uncleared behind a bit for each field set: a field not set reads empty, whatever
// its place, and one set to empty reads empty too.
TEST(AdifValues, GivesBackWhatWasSetAndEmptyElsewhere) {
  for (std::size_t set = 0; set < kAdifFieldCount; ++set) {
    SCOPED_TRACE(set);
    AdifValues values;
    values.Set(static_cast<AdifField>(set), "value");
    values.Set(static_cast<AdifField>((set + 1) % kAdifFieldCount), "");
    for (std::size_t i = 0; i < kAdifFieldCount; ++i) {
      EXPECT_EQ(values[static_cast<AdifField>(i)], i == set ? "value" : "") << i;
    }
    values.Set(static_cast<AdifField>(set), "other");
    EXPECT_EQ(values[static_cast<AdifField>(set)], "other");
  }
}

namespace {
// The field a name stands for, by a plain walk of the table.
std::optional<AdifField> FieldNamed(std::string_view name) {
  for (const auto& known : adif_fields_detail::kFields) {
    if (EqualsIgnoringCase(name, known.name)) {
      return known.field;
    }
  }
  return std::nullopt;
}
}  // namespace

// Every name of the table is found, in either case, and every name one byte away from one is
// found exactly when it is another's: each byte changed to any other, one byte more at either end,
// one less.
TEST(FindAdifField, FindsEveryNameOfTheTableAndNoOther) {
  for (const auto& known : adif_fields_detail::kFields) {
    const std::string name(known.name);
    SCOPED_TRACE(name);
    EXPECT_EQ(FindAdifField(name), known.field);
    EXPECT_EQ(FindAdifField(UpperAscii(name)), known.field);
    std::vector<std::string> near = {name.substr(1), name.substr(0, name.size() - 1)};
    for (int c = 0; c < 256; ++c) {
      near.push_back(static_cast<char>(c) + name);
      near.push_back(name + static_cast<char>(c));
      for (std::size_t i = 0; i < name.size(); ++i) {
        std::string changed = name;
        changed[i] = static_cast<char>(c);
        near.push_back(changed);
      }
    }
    for (const std::string& other : near) {
      EXPECT_EQ(FindAdifField(other), FieldNamed(other)) << other;
    }
  }
}

// Read for scoring, the fields before the reports and serials are found as in a full reading, and
// those from RST_SENT on are passed over as any unknown field is.
TEST(FindAdifField, ForScoringFindsNoReportOrSerial) {
  for (const auto& known : adif_fields_detail::kFields) {
    SCOPED_TRACE(known.name);
    const std::optional<AdifField> scored =
        static_cast<std::size_t>(known.field) < kScoringFieldCount
            ? std::optional<AdifField>(known.field)
            : std::nullopt;
    for (const std::string& name : {std::string(known.name), UpperAscii(std::string(known.name))}) {
      EXPECT_EQ(FindAdifField(name, QsoDetail::kFull), known.field);
      EXPECT_EQ(FindAdifField(name, QsoDetail::kScoring), scored);
    }
  }
}
