#include "check/result_columns.h"

#include <cctype>

#include "check/log_report.h"
#include "check/results_table.h"

namespace {
constexpr ColumnGroup kClaimed = {"claimed", true};
constexpr ColumnGroup kChecked = {"checked", true};
constexpr ColumnGroup kNotConfirmed = {"not confirmed", false};
// What stands in a check log's place: it is not ranked.
constexpr std::string_view kCheckLogPlace = "check";

// The classes the text table and the HTML page count, with the text table's short heading.
struct CountedClass {
  QsoClass qsoClass;
  const char* heading;
  std::size_t width;
};

constexpr CountedClass kCountedClasses[] = {
    {QsoClass::kNotInLog, "NIL", 4},
    {QsoClass::kBustedCall, "BustCall", 8},
    {QsoClass::kBustedLocator, "BustLoc", 7},
    {QsoClass::kUnique, "Unique", 6},
    {QsoClass::kBustedExchange, "BustExch", 8},
    {QsoClass::kOutOfPeriod, "OutPeriod", 9},
};

ResultValue Whole(std::int64_t value) {
  return value;
}

// "not_in_log": a class as results.csv and results.json name it.
std::string ClassColumnName(QsoClass qsoClass) {
  std::string name(ClassKey(qsoClass));
  for (char& c : name) {
    c = c == '-' ? '_' : c;
  }
  return name;
}

// "Not in log": a class as the HTML page heads it.
std::string ClassHeading(QsoClass qsoClass) {
  std::string heading(ClassName(qsoClass));
  heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
  return heading;
}

ResultColumn ClassCountColumn(QsoClass qsoClass) {
  ResultColumn column;
  column.csv = ClassColumnName(qsoClass);
  column.json = "/classes/" + column.csv;
  for (const CountedClass& counted : kCountedClasses) {
    if (counted.qsoClass == qsoClass) {
      column.text = counted.heading;
      column.html = ClassHeading(qsoClass);
      column.width = counted.width;
      column.group = &kNotConfirmed;
    }
  }
  column.value = [qsoClass](const ResultLine& line) {
    return Whole(static_cast<std::int64_t>(line.check.classes[static_cast<std::size_t>(qsoClass)]));
  };
  column.there = [qsoClass](const CheckRules& rules) { return RulesCanGive(qsoClass, rules); };
  return column;
}

// The multipliers of a tally, there where the rules count them as `rule` does: "claimed_fields",
// "Fields"; "claimed_squares", "Squares".
ResultColumn MultiplierColumn(const std::string& name, const ColumnGroup* group,
                              const ScoreTally& (*tally)(const ResultLine&), MultiplierRule rule) {
  const bool fields = rule == MultiplierRule::kFields;
  const std::string kind = fields ? "fields" : "squares";
  const std::string heading = fields ? "Fields" : "Squares";
  ResultColumn column{name + "_" + kind,
                      "/" + name + "/" + kind,
                      heading,
                      heading,
                      fields ? std::size_t{6} : std::size_t{7},
                      Shown::kNumber,
                      group,
                      [tally](const ResultLine& line) { return Whole(tally(line).fields); }};
  column.there = [rule](const CheckRules& rules) { return rules.multipliers == rule; };
  return column;
}

// The QSOs, points and multipliers of a tally: the claimed and the checked columns begin alike.
std::vector<ResultColumn> TallyColumns(const std::string& name, const ColumnGroup* group,
                                       const ScoreTally& (*tally)(const ResultLine&)) {
  return {
      {name + "_qsos", "/" + name + "/qsos", "QSOs", "QSOs", 6, Shown::kNumber, group,
       [tally](const ResultLine& line) { return Whole(tally(line).qsos); }},
      {name + "_points", "/" + name + "/points", "Points", "Points", 8, Shown::kNumber, group,
       [tally](const ResultLine& line) { return Whole(tally(line).points); }},
      MultiplierColumn(name, group, tally, MultiplierRule::kFields),
      MultiplierColumn(name, group, tally, MultiplierRule::kSquares),
  };
}

// The band each log covers, where the rules have a log for each band.
ResultColumn BandColumn() {
  ResultColumn column{"band",  "/band",
                      "Band",  "Band",
                      5,       Shown::kNumber,
                      nullptr, [](const ResultLine& line) { return ResultValue(line.log.band); }};
  column.there = [](const CheckRules& rules) { return rules.logPerBand; };
  return column;
}

void Append(std::vector<ResultColumn>& columns, std::vector<ResultColumn> more) {
  columns.insert(columns.end(), more.begin(), more.end());
}

std::vector<ResultColumn> MakeColumns() {
  std::vector<ResultColumn> columns = {
      {"place", "/place", "Place", "Place", 5, Shown::kNumber, nullptr,
       [](const ResultLine& line) {
         if (line.row.place) {
           return Whole(static_cast<std::int64_t>(line.row.place));
         }
         return line.check.checkLog ? ResultValue(std::string(kCheckLogPlace)) : ResultValue();
       }},
      {"call", "/call", "Call", "Call", 10, Shown::kCall, nullptr,
       [](const ResultLine& line) { return ResultValue(line.log.stationCall); }},
      {"locator", "/locator", "Loc", "Locator", 6, Shown::kLocator, nullptr,
       [](const ResultLine& line) { return ResultValue(line.log.ownLocator); }},
      BandColumn(),
      {"file", "/file", "", "", 0, Shown::kNumber, nullptr,
       [](const ResultLine& line) { return ResultValue(line.log.file); }},
      {"", "/format", "", "", 0, Shown::kNumber, nullptr,
       [](const ResultLine& line) { return ResultValue(line.log.format); }},
      {"report", "/report", "", "", 0, Shown::kNumber, nullptr,
       [](const ResultLine& line) { return ResultValue(line.row.report); }, true},
  };
  Append(columns,
         TallyColumns("claimed", &kClaimed, [](const ResultLine& line) -> const ScoreTally& {
           return line.check.claimed;
         }));
  Append(columns,
         {{"claimed_score", "/claimed/score", "Score", "Score", 8, Shown::kNumber, &kClaimed,
           [](const ResultLine& line) { return Whole(line.check.claimed.score); }}});
  Append(columns,
         TallyColumns("checked", &kChecked, [](const ResultLine& line) -> const ScoreTally& {
           return line.check.checked;
         }));
  Append(columns, {
                      {"penalty", "/checked/penalty", "Penalty", "Penalty", 7, Shown::kNumber,
                       &kChecked, [](const ResultLine& line) { return Whole(line.check.penalty); }},
                      {"checked_score", "/checked/score", "Score", "Score", 8, Shown::kScore,
                       &kChecked, [](const ResultLine& line) { return Whole(line.check.score); }},
                      {"clock_offset_seconds", "/clock_offset_seconds", "Clock", "Clock (min)", 5,
                       Shown::kClock, nullptr,
                       [](const ResultLine& line) { return Whole(line.check.clock.offset); }},
                      {"", "/clock_basis", "", "", 0, Shown::kNumber, nullptr,
                       [](const ResultLine& line) {
                         return Whole(static_cast<std::int64_t>(line.check.clock.basis));
                       }},
                  });
  for (QsoClass qsoClass : kAllClasses) {
    columns.push_back(ClassCountColumn(qsoClass));
  }
  columns.push_back({"error", "/error", "", "", 0, Shown::kNumber, nullptr,
                     [](const ResultLine& line) {
                       return line.log.error.empty() ? ResultValue() : line.log.error;
                     },
                     true});
  return columns;
}
}  // namespace

const std::vector<ResultColumn>& ResultColumns() {
  static const std::vector<ResultColumn> columns = MakeColumns();
  return columns;
}

std::vector<const ResultColumn*> ColumnsOf(std::string ResultColumn::*heading,
                                           const CheckRules& rules) {
  std::vector<const ResultColumn*> columns;
  for (const ResultColumn& column : ResultColumns()) {
    if (!(column.*heading).empty() && (!column.there || column.there(rules))) {
      columns.push_back(&column);
    }
  }
  return columns;
}

std::string ShownValue(const ResultColumn& column, const ResultLine& line) {
  const ResultValue value = column.value(line);
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    if (column.shown == Shown::kClock) {
      const std::int64_t minutes = ClockMinutes(*number);
      return (minutes > 0 ? "+" : "") + std::to_string(minutes);
    }
    return std::to_string(*number);
  }
  if (const auto* text = std::get_if<std::string>(&value)) {
    return *text;
  }
  return "";
}
