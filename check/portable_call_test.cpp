#include "check/portable_call.h"

#include <gtest/gtest.h>

TEST(PortableCall, TheSuffixesOfWhereAndHowAStationWorksAreLeftOut) {
  const struct {
    const char* call;
    const char* station;
  } cases[] = {
      {"S50AAA", "S50AAA"},
      {"S50AAA/P", "S50AAA"},
      {"S50AAA/M", "S50AAA"},
      {"S50AAA/MM", "S50AAA"},
      {"S50AAA/AM", "S50AAA"},
      {"S50AAA/A", "S50AAA"},
      {"S50AAA/QRP", "S50AAA"},
      {"S50AAA/P/QRP", "S50AAA"},
      {"S50AAA/QRP/P", "S50AAA"},
      {"S50AAA/5", "S50AAA/5"},
      {"S50AAA/P29", "S50AAA/P29"},
      {"S50AAA/5/P", "S50AAA/5"},
      {"DL/S50AAA", "DL/S50AAA"},
      {"S50AAA/", "S50AAA/"},
      {"/P", "/P"},
      {"S50AAA/PP", "S50AAA/PP"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    EXPECT_EQ(WithoutPortableSuffixes(c.call), c.station);
  }
}
