#include "simulator/exchange_miscopies.h"

namespace {
// Operators mostly copy the serial before or after the one sent.
constexpr double kSerialOneOffShare = 0.7;

// A letter's place 1 or 2 away, turned back at the alphabet's end.
std::uint16_t NearLetter(std::uint16_t letter, Dice& dice) {
  const std::uint16_t step = static_cast<std::uint16_t>(1 + dice.Below(2));
  const bool down = dice.Chance(0.5) ? letter >= step : letter + step >= kSubsquareLetters;
  return down ? letter - step : letter + step;
}

std::uint32_t OtherDigit(std::uint32_t serial, Dice& dice) {
  std::uint32_t place = 1;
  for (std::uint64_t i = dice.Below(3); i > 0; --i) {
    place *= 10;
  }
  const std::uint32_t digit = serial / place % 10;
  const std::uint32_t other = (digit + 1 + static_cast<std::uint32_t>(dice.Below(9))) % 10;
  return serial - digit * place + other * place;
}
}  // namespace

std::uint16_t MiscopiedSubsquare(std::uint16_t subsquare, Dice& dice) {
  const std::uint16_t east = subsquare / kSubsquareLetters;
  const std::uint16_t north = subsquare % kSubsquareLetters;
  if (dice.Chance(0.5)) {
    return NearLetter(east, dice) * kSubsquareLetters + north;
  }
  return east * kSubsquareLetters + NearLetter(north, dice);
}

std::uint32_t MiscopiedSerial(std::uint32_t serial, Dice& dice) {
  if (dice.Chance(kSerialOneOffShare)) {
    return serial == 1 || dice.Chance(0.5) ? serial + 1 : serial - 1;
  }
  std::uint32_t copied;
  do {
    copied = OtherDigit(serial, dice);
  } while (copied == 0);
  return copied;
}

std::uint16_t MiscopiedReport(std::uint16_t report, Dice& dice) {
  const std::uint16_t place = report >= 100 ? 10 : 1;  // 599: the strength is the tens
  const std::uint16_t strength = report / place % 10;
  std::uint16_t heard;
  do {
    heard = static_cast<std::uint16_t>(5 + dice.Below(4));
  } while (heard == strength);
  return static_cast<std::uint16_t>(report - strength * place + heard * place);
}
