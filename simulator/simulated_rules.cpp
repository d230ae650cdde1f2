#include "simulator/simulated_rules.h"

#include <algorithm>

#include "scoring/text_rules.h"
#include "simulator/utc_text.h"

namespace {
constexpr std::string_view kReplaced[] = {"period-start", "period-end", "bands"};

bool IsReplaced(std::string_view line) {
  // Trimmed as the check reads a setting's name.
  const std::string_view name = TrimControl(line.substr(0, line.find_first_of("=#")));
  for (std::string_view replaced : kReplaced) {
    if (name == replaced) {
      return true;
    }
  }
  return false;
}

// "2024-09-07T14:00", as the rules write a moment.
std::string RulesMinute(std::int64_t seconds) {
  return FormattedUtc(seconds, "%Y-%m-%dT%H:%M");
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
