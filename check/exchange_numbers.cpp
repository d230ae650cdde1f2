#include "check/exchange_numbers.h"

namespace {
// More digits than any serial has: what follows them is passed over, so no number overflows.
constexpr std::size_t kMostSerialDigits = 9;
// A report is two digits, or three with a CW report's tone.
constexpr std::size_t kReportDigits = 2;
constexpr std::size_t kLongestReport = 3;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits `text` begins with.
std::string_view LeadingDigits(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  return text.substr(0, end);
}

std::optional<std::uint32_t> NumberOf(std::string_view digits) {
  if (digits.empty()) {
    return std::nullopt;
  }
  std::uint32_t number = 0;
  for (char c : digits.substr(0, kMostSerialDigits)) {
    number = number * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return number;
}

// CW's cut numbers write a 9 as N: 5NN is 599.
char UncutDigit(char c) {
  return c == 'N' || c == 'n' ? '9' : c;
}

std::optional<std::uint32_t> ReportOf(std::string_view text) {
  if (text.size() < kReportDigits || !IsDigit(text[0]) || !IsDigit(UncutDigit(text[1]))) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>((text[0] - '0') * 10 + (UncutDigit(text[1]) - '0'));
}

// The serial of a report and serial run together, "59001" or "599001": what follows the
// readability and strength, less a CW report's tone where a serial of three digits or more
// follows it (a serial is written with leading zeros, never a tone).
std::optional<std::uint32_t> SerialRunTogether(std::string_view report) {
  const std::string_view digits = LeadingDigits(report);
  if (digits.size() <= kLongestReport) {
    return std::nullopt;
  }
  std::string_view rest = digits.substr(kReportDigits);
  if (rest.size() > kLongestReport && rest[0] != '0') {
    rest.remove_prefix(1);
  }
  return NumberOf(rest);
}
}  // namespace

ExchangeNumbers ReadExchangeNumbers(std::string_view report, std::string_view serial) {
  std::optional<std::uint32_t> number = NumberOf(LeadingDigits(serial));
  if (!number) {
    number = SerialRunTogether(report);
  }
  return {ReportOf(report), number};
}
