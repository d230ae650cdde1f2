#include "check/match_context.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "check/portable_call.h"
#include "scoring/square_number.h"

namespace {
constexpr std::size_t kLocatorWithSubsquare = 6;
constexpr int kSubsquaresAcross = 24;

LocatorCode LocatorCodeOf(const std::string& text) {
  const std::string locator = ScanLocator(text);
  LocatorCode code;
  code.square = static_cast<std::uint16_t>(SquareNumber(locator).value_or(kNoSquare));
  if (locator.size() == kLocatorWithSubsquare) {
    code.subsquare =
        static_cast<std::uint16_t>((locator[4] - 'A') * kSubsquaresAcross + (locator[5] - 'A'));
  }
  return code;
}

// Per call id, the first id of the calls that are one call where the rules ignore portable
// suffixes; else the id itself.
std::vector<std::uint32_t> MatchCalls(const TextTable& calls, bool portableSuffixesIgnored) {
  std::vector<std::uint32_t> matchCalls(calls.IdLimit());
  std::unordered_map<std::string_view, std::uint32_t> firstOf;  // by the call without suffixes
  for (std::uint32_t id = 0; id < calls.IdLimit(); ++id) {
    matchCalls[id] = id;
    if (portableSuffixesIgnored && calls.Has(id)) {
      matchCalls[id] = firstOf.emplace(WithoutPortableSuffixes(calls.Text(id)), id).first->second;
    }
  }
  return matchCalls;
}

// Both give a number and they differ: a side that logged none leaves nothing to compare.
bool Differ(std::optional<std::uint32_t> copied, std::optional<std::uint32_t> sent) {
  return copied && sent && *copied != *sent;
}
}  // namespace

MatchContext::MatchContext(const ContestLogs& contest, const CheckRules& checkRules)
    : logs(contest), rules(checkRules), offsets(contest.logs.size(), 0) {
  const std::uint32_t texts = contest.texts.IdLimit();
  locators_.assign(texts, LocatorCode());
  modeGroups_.assign(texts, ModeGroup::kDigital);
  countedBands_.assign(texts, true);
  for (std::uint32_t id = 0; id < texts; ++id) {
    if (contest.texts.Has(id)) {
      locators_[id] = LocatorCodeOf(contest.texts.Text(id));
      modeGroups_[id] = ModeGroupOf(contest.texts.Text(id));
      countedBands_[id] = CountsBand(rules, contest.texts.Text(id));
    }
  }
  const TextTable& numbers = contest.reportsAndSerials;
  asReport_.assign(numbers.IdLimit(), ExchangeNumbers());
  asSerial_.assign(numbers.IdLimit(), std::nullopt);
  for (std::uint32_t id = 0; id < numbers.IdLimit(); ++id) {
    if (numbers.Has(id)) {
      asReport_[id] = ReadExchangeNumbers(numbers.Text(id), "");
      asSerial_[id] = ReadExchangeNumbers("", numbers.Text(id)).serial;
    }
  }
  matchCalls_ = MatchCalls(contest.calls, rules.portableSuffixesIgnored);
  bandNumbers_.assign(texts, 0);
  if (rules.logPerBand) {
    NumberTheBands();
  }
  hasLog_.assign(CallKeyCount(), false);
  for (std::uint32_t q = 0; q < contest.qsos.size(); ++q) {
    hasLog_[CallKey(OwnCall(q), Qso(q).band)] = true;
  }
}

void MatchContext::NumberTheBands() {
  std::vector<bool> numbered(bandNumbers_.size(), false);
  std::uint32_t bands = 0;
  for (const CheckQso& qso : logs.qsos) {
    if (!numbered[qso.band]) {
      numbered[qso.band] = true;
      bandNumbers_[qso.band] = bands++;
    }
  }
  bands_ = std::max<std::size_t>(bands, 1);
}

bool MatchContext::SentLog(std::uint32_t q) const {
  return hasLog_[CallKey(Call(q), Qso(q).band)];
}

std::string_view MatchContext::CallText(std::uint32_t call) const {
  const std::string& text = logs.calls.Text(call);
  return rules.portableSuffixesIgnored ? WithoutPortableSuffixes(text) : text;
}

std::int64_t MatchContext::Time(std::uint32_t q) const {
  const CheckQso& qso = Qso(q);
  return qso.time == kNoTime ? kNoTime : qso.time - offsets[qso.log];
}

bool MatchContext::InWindow(std::uint32_t a, std::uint32_t b) const {
  return Apart(a, b) <= rules.windowSeconds;
}

std::int64_t MatchContext::Apart(std::uint32_t a, std::uint32_t b) const {
  const std::int64_t timeA = Time(a);
  const std::int64_t timeB = Time(b);
  return timeA == kNoTime || timeB == kNoTime ? 0 : std::llabs(timeA - timeB);
}

bool MatchContext::ModesAgree(std::uint32_t a, std::uint32_t b) const {
  return !rules.modeMustMatch ||
         ModeGroupsAgree(modeGroups_[Qso(a).mode], modeGroups_[Qso(b).mode]);
}

bool MatchContext::InPeriod(std::uint32_t q) const {
  if (!countedBands_[Qso(q).band]) {
    return false;
  }
  const std::int64_t time = Time(q);
  return time == kNoTime || ((!rules.periodStart || time >= *rules.periodStart) &&
                             (!rules.periodEnd || time < *rules.periodEnd));
}

QsoClass MatchContext::PairClass(std::uint32_t copier, std::uint32_t sender) const {
  const QsoClass locatorClass = LocatorClass(Qso(copier), Qso(sender));
  return locatorClass == QsoClass::kConfirmed ? ExchangeClass(Qso(copier), Qso(sender))
                                              : locatorClass;
}

QsoClass MatchContext::LocatorClass(const CheckQso& copier, const CheckQso& sender) const {
  const LocatorCode sent = locators_[sender.ownLocator];
  const LocatorCode copied = locators_[copier.exchange];
  if (sent.square == kNoSquare) {
    return QsoClass::kConfirmed;
  }
  const bool bothSubsquares = rules.locatorLength == kLocatorWithSubsquare &&
                              sent.subsquare != kNoSubsquare && copied.subsquare != kNoSubsquare;
  const bool same =
      copied.square == sent.square && (!bothSubsquares || copied.subsquare == sent.subsquare);
  return same ? QsoClass::kConfirmed : QsoClass::kBustedLocator;
}

QsoClass MatchContext::ExchangeClass(const CheckQso& copier, const CheckQso& sender) const {
  if (!rules.checkReport && !rules.checkSerial) {
    return QsoClass::kConfirmed;
  }
  const ExchangeNumbers copied = NumbersOf(copier.receivedReport, copier.receivedSerial);
  const ExchangeNumbers sent = NumbersOf(sender.sentReport, sender.sentSerial);
  const bool busted = (rules.checkReport && Differ(copied.report, sent.report)) ||
                      (rules.checkSerial && Differ(copied.serial, sent.serial));
  return busted ? QsoClass::kBustedExchange : QsoClass::kConfirmed;
}

ExchangeNumbers MatchContext::NumbersOf(std::uint32_t report, std::uint32_t serial) const {
  // The serial field's number, else what the report field holds besides the report.
  ExchangeNumbers numbers = asReport_[report];
  if (asSerial_[serial]) {
    numbers.serial = asSerial_[serial];
  }
  return numbers;
}
