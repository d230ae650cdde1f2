// Finds the worked station's locator square in a received exchange.
#pragma once

#include <string>
#include <string_view>

#include "scoring/text_rules.h"

struct FoundSquare {
  std::string field;   // two letters A..R, or empty when no square was found
  std::string square;  // the field and two digits, or empty
};

// The place from A of a letter of a locator's field, A..R in either case: 0 to 17; 18 or more for
// any other character.
inline unsigned FieldLetterPlace(char c) {
  return static_cast<unsigned char>(UpperAscii(c) - 'A');
}

inline bool IsFieldLetter(char c) {
  return FieldLetterPlace(c) < 18;
}

// A letter of a sub-square: A..X in either case.
inline bool IsSubsquareLetter(char c) {
  return (c >= 'A' && c <= 'X') || (c >= 'a' && c <= 'x');
}

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// True when the text begins with a square: two letters A..R (either case) and two digits. Inline:
// the scorer's distance component asks it four times a QSO.
inline bool StartsWithSquare(std::string_view text) {
  return text.size() >= 4 && IsFieldLetter(text[0]) && IsFieldLetter(text[1]) && IsDigit(text[2]) &&
         IsDigit(text[3]);
}

// Trims and upper-cases the report, then takes the first run of two letters A..R and two digits.
FoundSquare ScanSquare(const std::string& report);

// The locator ScanSquare finds, with its sub-square when the two characters after the square are
// letters A..X, upper-cased: "59 001 kn05rk" gives "KN05RK", "KN05" and "KN05R" give "KN05";
// empty when there is no square.
std::string ScanLocator(const std::string& report);
