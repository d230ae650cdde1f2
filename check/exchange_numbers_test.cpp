#include "check/exchange_numbers.h"

#include <gtest/gtest.h>

namespace {
constexpr std::optional<std::uint32_t> kNone;
}  // namespace

TEST(ExchangeNumbers, ReportAndSerialAsLogsWriteThem) {
  const struct {
    const char* report;
    const char* serial;
    std::optional<std::uint32_t> readReport;
    std::optional<std::uint32_t> readSerial;
  } cases[] = {
      {"59", "011", 59, 11},
      {"59", "011/", 59, 11},
      {"59", "0011", 59, 11},
      {"59", "11", 59, 11},
      {"59", "004/B", 59, 4},
      {"59", "020 KN33GY", 59, 20},    // a locator typed after the serial
      {"59", "0000000000123", 59, 0},  // only as many digits as a serial can have are read
      {"599", "001", 59, 1},
      {"5NN", "001", 59, 1},
      {"57", "", 57, kNone},
      {"", "", kNone, kNone},
      {"", "12", kNone, 12},
      {"S9", "12", kNone, 12},
      {"5", "12", kNone, 12},
      {"59001", "", 59, 1},  // report and serial run together, the serial's field empty
      {"59012", "", 59, 12},
      {"599001", "", 59, 1},  // a CW report's tone passed over
      {"5990012", "", 59, 12},
      {"590012", "", 59, 12},  // a serial of four digits
      {"5901", "", 59, 1},
      {"599", "", 59, kNone},   // a report, no serial
      {"59001", "002", 59, 2},  // the serial's field first
      {"59001", "/", 59, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.report) + " | " + c.serial);
    const ExchangeNumbers numbers = ReadExchangeNumbers(c.report, c.serial);
    EXPECT_EQ(numbers.report, c.readReport);
    EXPECT_EQ(numbers.serial, c.readSerial);
  }
}
