#include "logfiles/band_map.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <string>

#include "logfiles/log_text.h"

namespace {
// The amateur bands by their ADIF names and edges. The texts of the first nine bands of the plug-in
// ("1.8" ... "28") are the nominal MHz the host writes; the others follow that habit below 50 MHz
// and Cabrillo's band designators above.
constexpr AmateurBand kBands[] = {
    {"2190m", 135.7, 137.8, "0.136"},
    {"630m", 472, 479, "0.472"},
    {"560m", 501, 504, "0.501"},
    {"160m", 1800, 2000, "1.8"},
    {"80m", 3500, 4000, "3.5"},
    {"60m", 5060, 5450, "5"},
    {"40m", 7000, 7300, "7"},
    {"30m", 10100, 10150, "10"},
    {"20m", 14000, 14350, "14"},
    {"17m", 18068, 18168, "18"},
    {"15m", 21000, 21450, "21"},
    {"12m", 24890, 24990, "24"},
    {"10m", 28000, 29700, "28"},
    {"8m", 40000, 45000, "40"},
    {"6m", 50000, 54000, "50"},
    {"5m", 54000.001, 69900, "54"},
    {"4m", 70000, 71000, "70"},
    {"2m", 144000, 148000, "144"},
    {"1.25m", 222000, 225000, "222"},
    {"70cm", 420000, 450000, "432"},
    {"33cm", 902000, 928000, "902"},
    {"23cm", 1240000, 1300000, "1.2G"},
    {"13cm", 2300000, 2450000, "2.3G"},
    {"9cm", 3300000, 3500000, "3.4G"},
    {"6cm", 5650000, 5925000, "5.7G"},
    {"3cm", 10000000, 10500000, "10G"},
    {"1.25cm", 24000000, 24250000, "24G"},
    {"6mm", 47000000, 47200000, "47G"},
    {"4mm", 75500000, 81000000, "75G"},
    {"2.5mm", 119980000, 123000000, "122G"},
    {"2mm", 134000000, 149000000, "134G"},
    {"1mm", 241000000, 250000000, "241G"},
};

// An ADIF band name as a word: its bytes with A..Z lowered and its length in the top byte, so that
// the names of two bands are equal exactly when their words are; 0 for a name longer than seven.
constexpr std::uint64_t NameWord(std::string_view name) {
  if (name.size() > 7) {
    return 0;
  }
  std::uint64_t word = std::uint64_t{name.size()} << 56;
  for (std::size_t i = 0; i < name.size(); ++i) {
    word |= std::uint64_t{static_cast<unsigned char>(LowerAscii(name[i]))} << (8 * i);
  }
  return word;
}

// The bands' names as words, in the order of kBands: every record of an ADIF log asks for its
// band, and a word is compared in one step.
constexpr std::array<std::uint64_t, std::size(kBands)> kNameWords = [] {
  std::array<std::uint64_t, std::size(kBands)> words{};
  for (std::size_t i = 0; i < std::size(kBands); ++i) {
    words[i] = NameWord(kBands[i].adifName);
  }
  return words;
}();
constexpr bool NamesHaveWords() {
  for (const std::uint64_t word : kNameWords) {
    if (word == 0) {
      return false;
    }
  }
  return true;
}
static_assert(NamesHaveWords());

// Cabrillo writes values below this as MHz (VHF bands), from here on as kHz.
constexpr double kCabrilloKhzFrom = 1000;

// A plain decimal number filling the whole text; false for anything else.
bool ReadNumber(std::string_view text, double* value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, *value, std::chars_format::fixed);
  return !text.empty() && result.ec == std::errc() && result.ptr == end;
}
}  // namespace

const AmateurBand* BandOfText(std::string_view text) {
  for (const AmateurBand& band : kBands) {
    if (text == band.text) {
      return &band;
    }
  }
  return nullptr;
}

const char* BandOfKhz(double khz) {
  for (const AmateurBand& band : kBands) {
    if (khz >= band.lowKhz && khz <= band.highKhz) {
      return band.text;
    }
  }
  return nullptr;
}

const char* BandOfAdifName(std::string_view name) {
  const std::uint64_t word = NameWord(TrimControl(name));
  for (std::size_t i = 0; i < kNameWords.size(); ++i) {
    if (kNameWords[i] == word) {
      return kBands[i].text;
    }
  }
  return nullptr;
}

const char* BandOfMhzText(std::string_view mhz) {
  double value = 0;
  return ReadNumber(TrimControl(mhz), &value) ? BandOfKhz(value * 1000) : nullptr;
}

const char* BandOfCabrilloFrequency(std::string_view frequency) {
  frequency = TrimControl(frequency);
  double value = 0;
  if (!ReadNumber(frequency, &value)) {
    for (const AmateurBand& band : kBands) {
      if (EqualsIgnoringCase(frequency, band.text)) {
        return band.text;
      }
    }
    return nullptr;
  }
  if (value >= kCabrilloKhzFrom) {
    return BandOfKhz(value);
  }
  // Below 1000 a band in MHz, except the LF bands, which only kHz can name (137, 475).
  const char* band = BandOfKhz(value * 1000);
  return band ? band : BandOfKhz(value);
}

const char* BandOfEdiName(std::string_view name) {
  // "23 cm", "1,3 GHz": without blanks, with a decimal point.
  std::string spelled;
  for (const char c : TrimControl(name)) {
    if (!IsBlankOrControl(c)) {
      spelled += c == ',' ? '.' : c;
    }
  }
  if (const char* band = BandOfAdifName(spelled)) {
    return band;
  }
  const std::size_t unitAt = spelled.find_first_not_of("0123456789.");
  const std::string number = spelled.substr(0, unitAt);
  const std::string_view unit = std::string_view(spelled).substr(number.size());
  const bool giga = EqualsIgnoringCase(unit, "GHz") || EqualsIgnoringCase(unit, "G");
  const bool mega = unit.empty() || EqualsIgnoringCase(unit, "MHz");
  const bool kilo = EqualsIgnoringCase(unit, "kHz");
  double value = 0;
  if (!ReadNumber(number, &value) || !(giga || mega || kilo)) {
    return nullptr;
  }
  // A band's own text names it ("10", "1.2G"): the nominal MHz of some bands lie below their
  // edges (30 m, 17 m, 12 m, 60 m), and so do the 1,2 GHz of 23 cm.
  if (!kilo) {
    if (const AmateurBand* band = BandOfText(giga ? number + "G" : number)) {
      return band->text;
    }
  }
  return BandOfKhz(value * (giga ? 1e6 : mega ? 1e3 : 1));
}

std::optional<double> KhzOfLogFrequency(std::string_view frequency, bool cabrillo) {
  double value = 0;
  if (!ReadNumber(TrimControl(frequency), &value) || value <= 0) {
    return std::nullopt;
  }
  if (!cabrillo) {
    return value * 1000;
  }
  // Below 1000 a designator names a VHF band; only the LF bands are written in kHz there.
  if (value >= kCabrilloKhzFrom || (!BandOfKhz(value * 1000) && BandOfKhz(value))) {
    return value;
  }
  return std::nullopt;
}
