#include "scoring/square_scan.h"

#include <gtest/gtest.h>

TEST(ScanSquare, TakesTheFirstRunOfTwoFieldLettersAndTwoDigits) {
  struct Case {
    std::string report, field, square;
  } cases[] = {
      {"59 KO85", "KO", "KO85"},
      {"599 ko85ab", "KO", "KO85"},
      {"ABC12", "BC", "BC12"},
      {"AB12CD34", "AB", "AB12"},
      {"KS12", "", ""},
      {"RR99", "RR", "RR99"},
      {"AA00", "AA", "AA00"},
      {"K085", "", ""},
      {"KO8", "", ""},
      {"", "", ""},
      {"\t jo31 \r\n", "JO", "JO31"},
      {"SS12 KO85", "KO", "KO85"},
      {"JN7", "", ""},
      {"599 001", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    const FoundSquare found = ScanSquare(c.report);
    EXPECT_EQ(found.field, c.field);
    EXPECT_EQ(found.square, c.square);
  }
}

TEST(ScanLocator, TheSquareWithItsSubsquareWhereOneFollows) {
  const struct {
    const char* report;
    const char* locator;
  } cases[] = {
      {"KN05RK", "KN05RK"},
      {"59 001 kn05rk", "KN05RK"},
      {"KN05", "KN05"},
      {"KN05R", "KN05"},
      {"KN05RY", "KN05"},  // Y is no sub-square letter
      {"KN05RK12", "KN05RK"},
      {" KN05rk \r\n", "KN05RK"},
      {"ZZ00", ""},
      {"599 001", ""},
      {"", ""},
      {"KS05RK JN54QL", "JN54QL"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.report);
    EXPECT_EQ(ScanLocator(c.report), c.locator);
  }
}

TEST(FieldLetterPlace, IsTheAlphabetPlaceOfAToROnlyInEitherCase) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    const bool upper = code >= 'A' && code <= 'R';
    const bool lower = code >= 'a' && code <= 'r';
    EXPECT_EQ(IsFieldLetter(c), upper || lower) << code;
    if (upper || lower) {
      EXPECT_EQ(FieldLetterPlace(c), static_cast<unsigned>(code - (upper ? 'A' : 'a'))) << code;
    }
  }
}
