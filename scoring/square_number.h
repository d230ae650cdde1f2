// Locator squares as numbers below kSquareCount, for sets and tables of squares that cost the same
// however many a log names. Squares are counted field by field, the fields in the order of their
// letters (AA, AB ... AR, BA ...), a field's hundred squares in the order of their digits (00, 01
// ... 99). The one numbering of squares there is; the text of a square is its way back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "scoring/square_scan.h"

inline constexpr int kSquareCount = 18 * 18 * 10 * 10;

// The number of the square `text` begins with (letters in either case), or nothing when it begins
// with none. Inline: the scorer numbers the squares of every QSO.
inline std::optional<int> SquareNumber(std::string_view text) {
  if (!StartsWithSquare(text)) {
    return std::nullopt;
  }
  const auto letter = [](char c) { return static_cast<int>(FieldLetterPlace(c)); };
  const auto digit = [](char c) { return c - '0'; };
  return ((letter(text[0]) * 18 + letter(text[1])) * 10 + digit(text[2])) * 10 + digit(text[3]);
}

// The square of that number, letters in upper case ("JO31").
std::string SquareText(int square);

// The square's place on the grid of 180 x 180 squares, each 1 degree high and 2 wide: its row from
// 90 S and its column from 180 W.
inline int SquareRow(int square) {
  return square / 100 % 18 * 10 + square % 10;
}
inline int SquareColumn(int square) {
  return square / 1800 * 10 + square / 10 % 10;
}
