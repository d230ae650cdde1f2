#include "simulator/simulated_rules.h"

#include <algorithm>
#include <ctime>

namespace {
constexpr std::string_view kReplaced[] = {"period-start", "period-end", "bands"};

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsReplaced(std::string_view line) {
  const std::string_view name = Trimmed(line.substr(0, line.find_first_of("=#")));
  for (std::string_view replaced : kReplaced) {
    if (name == replaced) {
      return true;
    }
  }
  return false;
}

// "2024-09-07T14:00", as the rules write a moment.
std::string RulesMinute(std::int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M", &utc);
  return text;
}

std::string BandsText(const SimulationSettings& settings) {
  std::string bands;
  if (settings.vhf) {
    for (const SimulatedVhfBand& band : kVhfBands) {
      bands += std::string(bands.empty() ? "" : " ") + band.name;
    }
  } else {
    for (const SimulatedBand& band : kSimulatedBands) {
      bands += std::string(bands.empty() ? "" : " ") + band.adif;
    }
  }
  return bands;
}
}  // namespace

std::string WithSimulatedPeriod(std::string_view rules, const SimulationSettings& settings) {
  std::string text;
  while (!rules.empty()) {
    const std::size_t end = std::min(rules.find_first_of("\r\n"), rules.size());
    const std::string_view line = rules.substr(0, end);
    if (!IsReplaced(line)) {
      text += std::string(line) + "\n";
    }
    const bool crLf = rules.compare(end, 2, "\r\n") == 0;
    rules.remove_prefix(std::min(rules.size(), end + (crLf ? 2 : 1)));
  }
  return text + "period-start = " + RulesMinute(settings.start) + "\n" +
         "period-end = " + RulesMinute(settings.start + settings.hours * 3600) + "\n" +
         "bands = " + BandsText(settings) + "\n";
}
