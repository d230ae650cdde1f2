// The band text of the plug-in's record from what a log carries: a frequency or an ADIF band name.
// Each returns nullptr when the value names no amateur band.
#pragma once

#include <optional>
#include <string_view>

// An amateur band: its ADIF name, its edges and the band text the scorer gives it.
struct AmateurBand {
  std::string_view adifName;
  double lowKhz;
  double highKhz;
  const char* text;
};

// The band whose text is `text` exactly ("14", "1.2G"), or nullptr.
const AmateurBand* BandOfText(std::string_view text);

// A frequency in kHz: 14074 gives "14".
const char* BandOfKhz(double khz);

// An ADIF band name in any case: "20m" gives "14", "6M" gives "50".
const char* BandOfAdifName(std::string_view name);

// An ADIF frequency, a decimal number of MHz: "14.074" gives "14".
const char* BandOfMhzText(std::string_view mhz);

// A Cabrillo frequency: kHz on HF ("14074"), MHz for VHF bands ("50", "144"), or a band
// designator ("1.2G").
const char* BandOfCabrilloFrequency(std::string_view frequency);

// An EDI PBand as logs write it, blanks and letter case aside: a number with a decimal point or
// comma in MHz (the unit may be left out), GHz or kHz, any frequency of a band or its band text
// ("144 MHz", "145", "1,3 GHz", "1296 MHz", "1.2G"), or its ADIF name ("2m", "23 cm").
const char* BandOfEdiName(std::string_view name);

// The frequency in kHz that a log writes as `frequency`: ADIF in MHz ("14.074"), Cabrillo in kHz
// ("14074"), where a Cabrillo band designator ("144", "1.2G") gives none.
std::optional<double> KhzOfLogFrequency(std::string_view frequency, bool cabrillo);
