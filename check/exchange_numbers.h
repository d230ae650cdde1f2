// The report and serial number of a logged exchange as the check compares them: logs write one
// serial as 011/, 0011 or 11, and some programs write the report and serial as one number
// (59001) in the report's field.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct ExchangeNumbers {
  // The readability and strength, the report's first two digits: 59 of "59", "599" and "5NN".
  // The tone of a CW report is left out: a phone station's log writes none.
  std::optional<std::uint32_t> report;
  std::optional<std::uint32_t> serial;
};

// A report and a serial as a log's two fields hold them. The serial is the number the serial
// field's leading digits make; where that field has none, a report field of more than three digits
// holds both: 59001 is 59 and 1, 599001 is 59 and 1 (the tone passed over). Nothing for a field
// that gives no number.
ExchangeNumbers ReadExchangeNumbers(std::string_view report, std::string_view serial);
