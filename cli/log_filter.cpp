#include "cli/log_filter.h"

#include "logfiles/log_time.h"

namespace {
constexpr std::int64_t kDaySeconds = 86400;
}  // namespace

std::optional<std::int64_t> ParseUtcTime(std::string_view text, bool endOfDay) {
  if (!text.empty() && (text.back() == 'Z' || text.back() == 'z')) {
    text.remove_suffix(1);
  }
  const std::size_t split = text.find_first_of("T ");
  const std::string_view date = text.substr(0, split);
  if (split == std::string_view::npos) {
    const std::optional<std::int64_t> start = UtcSeconds(date, "0000");
    return start && endOfDay ? std::optional<std::int64_t>(*start + kDaySeconds) : start;
  }
  std::string time;
  for (char c : text.substr(split + 1)) {
    if (c != ':') {
      time.push_back(c);
    }
  }
  return UtcSeconds(date, time);
}

FilterResult ApplyFilter(const LogFilter& filter, ContestLog& log) {
  FilterResult result;
  const bool byTime = filter.from || filter.to;
  const auto leftOut = [&](const LogQso& qso) {
    const std::string& contest = qso.contestId.empty() ? log.contest : qso.contestId;
    if (!filter.contestId.empty() && contest != filter.contestId) {
      return true;
    }
    if (!byTime) {
      return false;
    }
    if (!qso.utcSeconds) {
      ++result.untimed;
      return true;
    }
    return (filter.from && *qso.utcSeconds < *filter.from) ||
           (filter.to && *qso.utcSeconds >= *filter.to);
  };
  if (!byTime && filter.contestId.empty()) {
    return result;
  }
  result.leftOut = static_cast<std::int64_t>(log.qsos.EraseIf(leftOut));
  return result;
}
