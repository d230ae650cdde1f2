#include "scoring/square_number.h"

std::string SquareText(int square) {
  return {static_cast<char>('A' + square / 1800), static_cast<char>('A' + square / 100 % 18),
          static_cast<char>('0' + square / 10 % 10), static_cast<char>('0' + square % 10)};
}
