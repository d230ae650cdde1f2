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
      {"160m", "1.8"}, {"80m", "3.5"},   {"60m", "5"},    {"40m", "7"},     {"30m", "10"},
      {"20m", "14"},   {"17m", "18"},    {"15m", "21"},   {"12m", "24"},    {"10m", "28"},
      {"6m", "50"},    {"2m", "144"},    {"70cm", "432"}, {"23cm", "1.2G"}, {"20M", "14"},
      {" 20m ", "14"}, {"11m", nullptr}, {"20", nullptr}, {"", nullptr},    {"m", nullptr},
      {"2190M", "0.136"}, {"1.25CM", "24G"}, {"1.25m", "222"}, {"160mm", nullptr},
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
