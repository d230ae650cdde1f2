#include "check/serial_columns.h"

#include <optional>

#include "check/exchange_numbers.h"

namespace {
// Two steps at least: one is as likely to count up by chance as not.
constexpr std::size_t kLeastQsos = 3;

// The steps from one QSO to the next at which the serials count up by one.
std::size_t CountingSteps(const QsoList& qsos, QsoText report, QsoText serial) {
  std::size_t steps = 0;
  std::optional<std::uint32_t> last;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    const std::optional<std::uint32_t> number =
        ReadExchangeNumbers(qsos.Text(i, report), qsos.Text(i, serial)).serial;
    steps += last && number && *number == *last + 1;
    last = number;
  }
  return steps;
}
}  // namespace

bool SerialColumnsSwapped(const QsoList& qsos) {
  if (qsos.size() < kLeastQsos) {
    return false;
  }
  const std::size_t steps = qsos.size() - 1;
  const std::size_t received =
      CountingSteps(qsos, QsoText::kReceivedReport, QsoText::kReceivedSerial);
  const std::size_t sent = CountingSteps(qsos, QsoText::kSentReport, QsoText::kSentSerial);
  return 2 * received > steps && 2 * sent < steps;
}

QsoList WithSerialColumnsSwapped(const QsoList& qsos) {
  QsoList swapped(qsos.Detail());
  swapped.Expect(qsos.size());
  for (LogQso qso : qsos) {
    std::swap(qso.sentSerial, qso.receivedSerial);
    swapped.push_back(qso);
  }
  return swapped;
}
