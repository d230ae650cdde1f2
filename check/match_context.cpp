#include "check/match_context.h"

#include <cstdlib>

#include "scoring/square_number.h"

namespace {
// The number of the square the text names, or kNoSquare.
std::uint16_t SquareCode(const std::string& text) {
  return static_cast<std::uint16_t>(SquareNumber(ScanSquare(text).square).value_or(kNoSquare));
}
}  // namespace

MatchContext::MatchContext(const ContestLogs& contest, const CheckRules& checkRules)
    : logs(contest), rules(checkRules), offsets(contest.logs.size(), 0) {
  const std::uint32_t texts = contest.texts.IdLimit();
  squares_.assign(texts, kNoSquare);
  modeGroups_.assign(texts, ModeGroup::kDigital);
  countedBands_.assign(texts, true);
  for (std::uint32_t id = 0; id < texts; ++id) {
    if (contest.texts.Has(id)) {
      squares_[id] = SquareCode(contest.texts.Text(id));
      modeGroups_[id] = ModeGroupOf(contest.texts.Text(id));
      countedBands_[id] = CountsBand(rules, contest.texts.Text(id));
    }
  }
  hasLog_.assign(contest.calls.IdLimit(), false);
  for (const CheckQso& qso : contest.qsos) {
    hasLog_[qso.ownCall] = true;
  }
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
  return !rules.modeMustMatch || modeGroups_[Qso(a).mode] == modeGroups_[Qso(b).mode];
}

bool MatchContext::InPeriod(std::uint32_t q) const {
  if (!countedBands_[Qso(q).band]) {
    return false;
  }
  const std::int64_t time = Time(q);
  return time == kNoTime || ((!rules.periodStart || time >= *rules.periodStart) &&
                             (!rules.periodEnd || time < *rules.periodEnd));
}

QsoClass MatchContext::LocatorClass(std::uint32_t copier, std::uint32_t sender) const {
  const std::uint16_t sent = squares_[Qso(sender).ownLocator];
  if (sent == kNoSquare || squares_[Qso(copier).exchange] == sent) {
    return QsoClass::kConfirmed;
  }
  return QsoClass::kBustedLocator;
}
