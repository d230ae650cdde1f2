// The band text of the plug-in's record from what a log carries: a frequency or an ADIF band name.
// Each returns nullptr when the value names no amateur band.
#pragma once

#include <string_view>

// A frequency in kHz: 14074 gives "14".
const char* BandOfKhz(double khz);

// An ADIF band name in any case: "20m" gives "14", "6M" gives "50".
const char* BandOfAdifName(std::string_view name);

// An ADIF frequency, a decimal number of MHz: "14.074" gives "14".
const char* BandOfMhzText(std::string_view mhz);

// A Cabrillo frequency: kHz on HF ("14074"), MHz for VHF bands ("50", "144"), or a band
// designator ("1.2G").
const char* BandOfCabrilloFrequency(std::string_view frequency);
