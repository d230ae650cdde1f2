#include "logfiles/band_map.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Text(const char* band) {
  return band ? band : "(none)";
}
}  // namespace

TEST(BandMap, FrequenciesInKhz) {
  struct Case {
    double khz;
    const char* band;
  } cases[] = {
      {1800, "1.8"},    {1840, "1.8"},  {2000, "1.8"},    {2000.5, nullptr}, {3573, "3.5"},
      {5357, "5"},      {7074, "7"},    {10136, "10"},    {14074, "14"},     {14350, "14"},
      {14351, nullptr}, {18100, "18"},  {21074, "21"},    {24915, "24"},     {28074, "28"},
      {50313, "50"},    {70154, "70"},  {144174, "144"},  {432174, "432"},   {1296200, "1.2G"},
      {136, "0.136"},   {475, "0.472"}, {15000, nullptr}, {0, nullptr},      {-14074, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.khz);
    EXPECT_EQ(Text(BandOfKhz(c.khz)), Text(c.band));
  }
}

TEST(BandMap, AdifBandNamesAndFrequencies) {
  struct Case {
    const char* name;
    const char* band;
  } names[] = {
      {"160m", "1.8"},      {"80m", "3.5"},         {"60m", "5"},     {"40m", "7"},
      {"30m", "10"},        {"20m", "14"},          {"17m", "18"},    {"15m", "21"},
      {"12m", "24"},        {"10m", "28"},          {"6m", "50"},     {"2m", "144"},
      {"70cm", "432"},      {"23cm", "1.2G"},       {"20M", "14"},    {" 20m ", "14"},
      {"11m", nullptr},     {"20", nullptr},        {"", nullptr},    {"m", nullptr},
      {"2190M", "0.136"},   {"1.25CM", "24G"},      {"1.25m", "222"}, {"160mm", nullptr},
      {"1.25cmm", nullptr}, {"12345678m", nullptr},
  };
  for (const Case& c : names) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Text(BandOfAdifName(c.name)), Text(c.band));
  }
  struct Freq {
    const char* mhz;
    const char* band;
  } freqs[] = {
      {"14.074", "14"}, {"14.074000", "14"},    {" 7.074 ", "7"},
      {"50.313", "50"}, {"18.026581", nullptr}, {"14,074", nullptr},
      {"", nullptr},    {"1e1", nullptr},       {"abc", nullptr},
  };
  for (const Freq& c : freqs) {
    SCOPED_TRACE(c.mhz);
    EXPECT_EQ(Text(BandOfMhzText(c.mhz)), Text(c.band));
  }
}

TEST(BandMap, CabrilloFrequencies) {
  struct Case {
    const char* frequency;
    const char* band;
  } cases[] = {
      {"14074", "14"},    {"7081", "7"},      {"1840", "1.8"},  {"28074.5", "28"}, {"50", "50"},
      {"144", "144"},     {"432", "432"},     {"1.2G", "1.2G"}, {"10g", "10G"},    {"137", "0.136"},
      {"15000", nullptr}, {"LIGHT", nullptr}, {"DG", nullptr},  {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frequency);
    EXPECT_EQ(Text(BandOfCabrilloFrequency(c.frequency)), Text(c.band));
  }
}

// Every band the map knows by each name a log may give it: its band text (the Cabrillo designator
// of the bands from 50 MHz up), its ADIF name, its EDI PBand, and its Cabrillo frequency.
TEST(BandMap, EveryBandByEachOfItsNames) {
  struct Case {
    const char* text;
    const char* adif;
    const char* edi;
    const char* cabrillo;
  } cases[] = {
      {"0.136", "2190m", "0,136 MHz", "136"}, {"0.472", "630m", "0,472 MHz", "472"},
      {"0.501", "560m", "0,501 MHz", "501"},  {"1.8", "160m", "1,8 MHz", "1800"},
      {"3.5", "80m", "3,5 MHz", "3500"},      {"5", "60m", "5 MHz", "5357"},
      {"7", "40m", "7 MHz", "7000"},          {"10", "30m", "10 MHz", "10100"},
      {"14", "20m", "14 MHz", "14000"},       {"18", "17m", "18 MHz", "18068"},
      {"21", "15m", "21 MHz", "21000"},       {"24", "12m", "24 MHz", "24890"},
      {"28", "10m", "28 MHz", "28000"},       {"40", "8m", "40 MHz", "40"},
      {"50", "6m", "50 MHz", "50"},           {"54", "5m", "54 MHz", "60"},
      {"70", "4m", "70 MHz", "70"},           {"144", "2m", "144 MHz", "144"},
      {"222", "1.25m", "222 MHz", "222"},     {"432", "70cm", "432 MHz", "432"},
      {"902", "33cm", "902 MHz", "902"},      {"1.2G", "23cm", "1,3 GHz", "1.2G"},
      {"2.3G", "13cm", "2,3 GHz", "2.3G"},    {"3.4G", "9cm", "3,4 GHz", "3.4G"},
      {"5.7G", "6cm", "5,7 GHz", "5.7G"},     {"10G", "3cm", "10 GHz", "10G"},
      {"24G", "1.25cm", "24 GHz", "24G"},     {"47G", "6mm", "47 GHz", "47G"},
      {"75G", "4mm", "76 GHz", "75G"},        {"122G", "2.5mm", "122 GHz", "122G"},
      {"134G", "2mm", "134 GHz", "134G"},     {"241G", "1mm", "248 GHz", "241G"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ASSERT_NE(BandOfText(c.text), nullptr);
    EXPECT_EQ(Text(BandOfAdifName(c.adif)), c.text);
    EXPECT_EQ(Text(BandOfEdiName(c.text)), c.text);
    EXPECT_EQ(Text(BandOfEdiName(c.adif)), c.text);
    EXPECT_EQ(Text(BandOfEdiName(c.edi)), c.text);
    EXPECT_EQ(Text(BandOfCabrilloFrequency(c.cabrillo)), c.text);
  }
}

// The PBand spellings real logs use, and what names no band.
TEST(BandMap, EdiBandsAsLogsSpellThem) {
  struct Case {
    const char* name;
    const char* band;
  } cases[] = {
      {"1,3 GHz", "1.2G"},
      {"1.3 GHz", "1.2G"},
      {"1296 MHz", "1.2G"},
      {"1296", "1.2G"},
      {"23cm", "1.2G"},
      {"23 cm", "1.2G"},
      {"1,2 GHz", "1.2G"},
      {"1.2g", "1.2G"},
      {"145 MHz", "144"},
      {"145", "144"},
      {"144MHZ", "144"},
      {" 144 mhz ", "144"},
      {"2m", "144"},
      {"2 M", "144"},
      {"432MHz", "432"},
      {"430 MHz", "432"},
      {"435 MHz", "432"},
      {"70cm", "432"},
      {"50 MHz", "50"},
      {"6m", "50"},
      {"136 kHz", "0.136"},
      {"10,368 GHz", "10G"},
      {"100 MHz", nullptr},
      {"11m", nullptr},
      {"144 MHz SSB", nullptr},
      {"1e1", nullptr},
      {"MHz", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Text(BandOfEdiName(c.name)), Text(c.band));
  }
}
