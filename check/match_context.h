// What every step of the matching looks at besides the QSOs themselves: the rules, each log's
// clock offset, and what the texts of the logs mean (the square an exchange or locator names, the
// group of a mode, whether a call sent a log), worked out once per text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "check/check_rules.h"
#include "check/contest_logs.h"
#include "check/exchange_numbers.h"
#include "check/mode_groups.h"
#include "check/qso_class.h"

inline constexpr std::uint16_t kNoSquare = 0xFFFF;
inline constexpr std::uint16_t kNoSubsquare = 0xFFFF;

// The locator a text names, as numbers: its square (SquareNumber), and its sub-square where it
// gives one (24 x 24 of a square).
struct LocatorCode {
  std::uint16_t square = kNoSquare;
  std::uint16_t subsquare = kNoSubsquare;
};

// A call id and a band text id in one key.
inline std::uint64_t CallOnBand(std::uint32_t call, std::uint32_t band) {
  return (static_cast<std::uint64_t>(call) << 32) | band;
}

class MatchContext {
 public:
  MatchContext(const ContestLogs& logs, const CheckRules& rules);

  const ContestLogs& logs;
  const CheckRules& rules;
  // Seconds each log's clock is ahead of the others; zero until estimated.
  std::vector<std::int64_t> offsets;

  const CheckQso& Qso(std::uint32_t q) const { return logs.qsos[q]; }
  // The call a QSO's station worked, and the call it signed, as the matching takes them: an id
  // that is the same for calls that are one (without portable suffixes where the rules say so).
  std::uint32_t Call(std::uint32_t q) const { return matchCalls_[Qso(q).call]; }
  std::uint32_t OwnCall(std::uint32_t q) const { return matchCalls_[Qso(q).ownCall]; }
  // The text the matching compares of such an id.
  std::string_view CallText(std::uint32_t call) const;
  // The QSO's time on the contest's clock; kNoTime stays.
  std::int64_t Time(std::uint32_t q) const;
  // A QSO without a time is in every window: nothing says it was not.
  bool InWindow(std::uint32_t a, std::uint32_t b) const;
  // Seconds between the two QSOs on the contest's clock; 0 when a time is missing.
  std::int64_t Apart(std::uint32_t a, std::uint32_t b) const;
  bool ModesAgree(std::uint32_t a, std::uint32_t b) const;
  // Made on a band the rules count, and within their period on the contest's clock (a QSO without
  // a time is: nothing says it is not).
  bool InPeriod(std::uint32_t q) const;
  // Whether the station the QSO was made with sent a log: for the QSO's band, where the rules
  // have a log for each band; for any band.
  bool SentLog(std::uint32_t q) const;
  // A key, below CallKeyCount(), for a call as Call gives it: on a band where each log covers one,
  // a band's logs being a contest of their own; on every band otherwise.
  std::size_t CallKey(std::uint32_t call, std::uint32_t band) const {
    return std::size_t{call} * bands_ + bandNumbers_[band];
  }
  std::size_t CallKeyCount() const { return std::size_t{logs.calls.IdLimit()} * bands_; }
  // How `copier` is judged by the entry `sender` logged of the same QSO: confirmed when it copied
  // the locator sent, and as the rules ask the report and serial sent, or when what was sent is
  // unknown.
  QsoClass PairClass(std::uint32_t copier, std::uint32_t sender) const;

 private:
  // Each band text id of the QSOs gets a number from 0.
  void NumberTheBands();
  // The square, and at six characters the sub-square where both sides give one.
  QsoClass LocatorClass(const CheckQso& copier, const CheckQso& sender) const;
  // The report and serial, as the rules ask; a side that logged none leaves nothing to compare.
  QsoClass ExchangeClass(const CheckQso& copier, const CheckQso& sender) const;

  // The numbers a report and a serial, each an id in reportsAndSerials, give as ReadExchangeNumbers
  // reads them.
  ExchangeNumbers NumbersOf(std::uint32_t report, std::uint32_t serial) const;

  std::vector<LocatorCode> locators_;  // per text: the locator it names
  std::vector<ModeGroup> modeGroups_;  // per text
  std::vector<bool> countedBands_;     // per text: a band the rules count
  // Per id in reportsAndSerials: the numbers it gives as a report field, and as a serial field.
  std::vector<ExchangeNumbers> asReport_;
  std::vector<std::optional<std::uint32_t>> asSerial_;
  std::vector<std::uint32_t> matchCalls_;  // per call id: the first id of a call that is one
  // Per text id: the band's number from 0 where each log covers one band, else 0; and how many.
  std::vector<std::uint32_t> bandNumbers_;
  std::size_t bands_ = 1;
  std::vector<bool> hasLog_;  // by CallKey
};
