#include "check/rule_values.h"

#include <charconv>
#include <cstdio>

#include "logfiles/band_map.h"
#include "logfiles/log_time.h"
#include "scoring/text_rules.h"

namespace {
constexpr std::string_view kNone = "none";
constexpr std::string_view kAll = "all";
constexpr std::int64_t kLargestBandFactor = 1000;
constexpr const char* kNeedsBands = "bands (as 144, 1296, 1.2G or 23cm) or all";

RulesError Needs(const std::string& what, std::string_view value) {
  return RulesError("needs " + what + ", not '" + std::string(value) + "'");
}

std::optional<std::int64_t> NumberIn(std::string_view text, std::int64_t smallest,
                                     std::int64_t largest) {
  std::int64_t number = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || number < smallest ||
      number > largest) {
    return std::nullopt;
  }
  return number;
}

std::string Range(std::int64_t smallest, std::int64_t largest) {
  return std::to_string(smallest) + " to " + std::to_string(largest);
}

// The items of a list: runs of characters between blanks and commas.
std::vector<std::string_view> Items(std::string_view list) {
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= list.size(); ++i) {
    if (i == list.size() || list[i] == ',' || IsBlankOrControl(list[i])) {
      if (i > start) {
        items.push_back(list.substr(start, i - start));
      }
      start = i + 1;
    }
  }
  return items;
}

// The band text of `name`, from the list item `item`; throws naming the item, and a band named
// before.
std::string ListedBand(std::string_view name, std::string_view item, const std::string& needs,
                       const std::vector<std::string>& before) {
  const char* band = BandOfRulesName(name);
  if (!band) {
    throw Needs(needs, item);
  }
  for (const std::string& earlier : before) {
    if (earlier == band) {
      throw RulesError("names band " + earlier + " twice");
    }
  }
  return band;
}
}  // namespace

const char* BandOfRulesName(std::string_view name) {
  if (const AmateurBand* band = BandOfText(name)) {
    return band->text;
  }
  if (const char* band = BandOfAdifName(name)) {
    return band;
  }
  return BandOfMhzText(name);
}

ValueKind<bool> YesOrNo() {
  return {"yes or no",
          [](std::string_view value) {
            if (value != "yes" && value != "no") {
              throw Needs("yes or no", value);
            }
            return value == "yes";
          },
          [](const bool& yes) { return std::string(yes ? "yes" : "no"); },
          [](const bool& yes) { return nlohmann::ordered_json(yes); }};
}

ValueKind<std::int64_t> WholeNumber(std::int64_t smallest, std::int64_t largest,
                                    std::int64_t unit) {
  return {Range(smallest, largest),
          [=](std::string_view value) {
            const auto number = NumberIn(value, smallest, largest);
            if (!number) {
              throw Needs("a whole number from " + Range(smallest, largest), value);
            }
            return *number * unit;
          },
          [unit](const std::int64_t& kept) { return std::to_string(kept / unit); },
          [unit](const std::int64_t& kept) { return nlohmann::ordered_json(kept / unit); }};
}

ValueKind<std::optional<std::int64_t>> WholeNumberOrNone(std::int64_t smallest,
                                                         std::int64_t largest, std::int64_t unit) {
  return {Range(smallest, largest) + ", or none",
          [=](std::string_view value) -> std::optional<std::int64_t> {
            if (value == kNone) {
              return std::nullopt;
            }
            const auto number = NumberIn(value, smallest, largest);
            if (!number) {
              throw Needs("a whole number from " + Range(smallest, largest) + " or none", value);
            }
            return *number * unit;
          },
          [unit](const std::optional<std::int64_t>& kept) {
            return kept ? std::to_string(*kept / unit) : std::string(kNone);
          },
          [unit](const std::optional<std::int64_t>& kept) {
            return kept ? nlohmann::ordered_json(*kept / unit) : nlohmann::ordered_json();
          }};
}

ValueKind<std::size_t> LocatorLength() {
  return {"4 or 6",
          [](std::string_view value) -> std::size_t {
            if (value != "4" && value != "6") {
              throw Needs("4 or 6", value);
            }
            return value == "4" ? 4 : 6;
          },
          [](const std::size_t& length) { return std::to_string(length); },
          [](const std::size_t& length) { return nlohmann::ordered_json(length); }};
}

ValueKind<std::string> Text() {
  return {"a text", [](std::string_view value) { return std::string(value); },
          [](const std::string& text) { return text; },
          [](const std::string& text) { return nlohmann::ordered_json(text); }};
}

std::string UtcMinuteText(std::int64_t seconds) {
  const UtcTime time = UtcTimeOf(seconds);
  char written[32];
  std::snprintf(written, sizeof written, "%04d-%02d-%02dT%02d:%02d", time.year, time.month,
                time.day, time.hour, time.minute);
  return written;
}

ValueKind<std::optional<std::int64_t>> UtcMinuteOrNone() {
  const auto text = [](const std::optional<std::int64_t>& seconds) {
    return seconds ? UtcMinuteText(*seconds) : std::string(kNone);
  };
  return {"UTC as 2016-05-07T14:00, or none",
          [](std::string_view value) -> std::optional<std::int64_t> {
            if (value == kNone) {
              return std::nullopt;
            }
            const std::string_view minute =
                value.size() == 17 && (value.back() == 'Z' || value.back() == 'z')
                    ? value.substr(0, 16)
                    : value;
            const bool shaped = minute.size() == 16 && minute[10] == 'T' && minute[13] == ':';
            const auto seconds =
                shaped ? UtcSeconds(minute.substr(0, 10), std::string(minute.substr(11, 2)) +
                                                              std::string(minute.substr(14)))
                       : std::nullopt;
            if (!seconds) {
              throw Needs("a UTC time as 2016-05-07T14:00 or none", value);
            }
            return seconds;
          },
          text,
          [text](const std::optional<std::int64_t>& seconds) {
            return seconds ? nlohmann::ordered_json(text(seconds)) : nlohmann::ordered_json();
          }};
}

ValueKind<std::vector<std::string>> WordsOrNone() {
  return {"words, or none",
          [](std::string_view value) {
            std::vector<std::string> words;
            if (value != kNone) {
              for (std::string_view item : Items(value)) {
                words.push_back(UpperAscii(std::string(item)));
              }
            }
            return words;
          },
          [](const std::vector<std::string>& words) {
            return words.empty() ? std::string(kNone) : Joined(words, " ");
          },
          [](const std::vector<std::string>& words) { return nlohmann::ordered_json(words); }};
}

ValueKind<std::vector<std::string>> BandsOrAll() {
  return {"bands, or all",
          [](std::string_view value) {
            std::vector<std::string> bands;
            if (value == kAll) {
              return bands;
            }
            for (std::string_view item : Items(value)) {
              bands.push_back(ListedBand(item, item, kNeedsBands, bands));
            }
            if (bands.empty()) {
              throw Needs(kNeedsBands, value);
            }
            return bands;
          },
          [](const std::vector<std::string>& bands) {
            return bands.empty() ? std::string(kAll) : Joined(bands, " ");
          },
          [](const std::vector<std::string>& bands) { return nlohmann::ordered_json(bands); }};
}

ValueKind<std::vector<BandFactor>> BandFactorsOrNone() {
  const std::string needs =
      "band:factor pairs (as 432:2), each factor " + Range(1, kLargestBandFactor) + ", or none";
  return {"band:factor pairs, or none",
          [needs](std::string_view value) {
            std::vector<BandFactor> factors;
            std::vector<std::string> bands;
            if (value == kNone) {
              return factors;
            }
            for (std::string_view item : Items(value)) {
              const std::size_t colon = item.rfind(':');
              const auto factor = colon == std::string_view::npos
                                      ? std::nullopt
                                      : NumberIn(item.substr(colon + 1), 1, kLargestBandFactor);
              if (!factor) {
                throw Needs(needs, item);
              }
              bands.push_back(ListedBand(item.substr(0, colon), item, needs, bands));
              factors.push_back({bands.back(), *factor});
            }
            if (factors.empty()) {
              throw Needs(needs, value);
            }
            return factors;
          },
          [](const std::vector<BandFactor>& factors) {
            std::vector<std::string> pairs;
            for (const BandFactor& factor : factors) {
              pairs.push_back(factor.band + ":" + std::to_string(factor.factor));
            }
            return pairs.empty() ? std::string(kNone) : Joined(pairs, " ");
          },
          [](const std::vector<BandFactor>& factors) {
            nlohmann::ordered_json json = nlohmann::ordered_json::object();
            for (const BandFactor& factor : factors) {
              json[factor.band] = factor.factor;
            }
            return json;
          }};
}

std::string Joined(const std::vector<std::string>& items, std::string_view separator) {
  std::string text;
  for (const std::string& item : items) {
    text += (text.empty() ? "" : std::string(separator)) + item;
  }
  return text;
}
