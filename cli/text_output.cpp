#include "cli/text_output.h"

#include "logfiles/printable.h"
#include "scoring/report.h"

namespace {
constexpr std::size_t kOwnLocatorsShown = 4;

std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : Printable(text);
}

std::string Located(const std::string& file, std::int64_t line) {
  return Printable(file) + (line > 0 ? ":" + std::to_string(line) : "");
}

std::string ZeroReasons(const LogScore& score) {
  std::string text;
  for (std::size_t i = 1; i < kZeroReasonCount; ++i) {
    if (score.zeroReasons[i] > 0) {
      text += std::string(text.empty() ? "" : ", ") + ZeroReasonText(static_cast<ZeroReason>(i)) +
              " " + std::to_string(score.zeroReasons[i]);
    }
  }
  return text.empty() ? "" : "QSOs scoring 0: " + text + "\n";
}
}  // namespace

std::string ReportOutput(const LogScore& score) {
  // Band texts come from the log; the report's own tabs and line ends stay.
  std::vector<TStatistic> bands = score.bands;
  for (TStatistic& band : bands) {
    band.Band = Printable(band.Band);
  }
  std::string text;
  for (char c : StatisticReport(bands)) {
    if (c != '\r') {
      text += c;
    }
  }
  return text + "\n";
}

std::string FieldsOutput(const LogScore& score) {
  std::string text;
  for (const TStatistic& band : score.bands) {
    const std::vector<std::string> fields = FieldsOfBand(score, band.Band);
    text += "Fields on " + Printable(band.Band) + " (" + std::to_string(fields.size()) + "):";
    for (const std::string& field : fields) {
      text += " " + field;
    }
    text += "\n";
  }
  return text;
}

std::string OwnLocatorsText(const LogScore& score, const std::string& separator) {
  const std::vector<std::string>& locators = score.ownLocators;
  std::string text;
  for (std::size_t i = 0; i < locators.size() && i < kOwnLocatorsShown; ++i) {
    text += (i ? separator : "") + Printable(locators[i]);
  }
  if (locators.size() > kOwnLocatorsShown) {
    text += " and " + std::to_string(locators.size() - kOwnLocatorsShown) + " more";
  }
  return text;
}

std::string HeaderLines(const ScoredLog& scored) {
  const std::string& station = scored.log.stationCall;
  const std::string own = OwnLocatorsText(scored.score, ", ");
  std::string line = Printable(scored.file) + ": " + scored.log.format + " log" +
                     (station.empty() ? "" : " of " + Printable(station)) +
                     (own.empty() ? " without an own locator" : " from " + own) + ", " +
                     std::to_string(scored.log.qsos.size()) + " QSOs";
  if (scored.filtered.leftOut > 0) {
    line += " (" + std::to_string(scored.filtered.leftOut) +
            " more left out by --from, --to and --contest-id)";
  }
  return line + "\n" + ZeroReasons(scored.score);
}

std::string SummaryHeader() {
  return "file\tcall\tgrid\tqsos\tdupes\tpoints\tfields\tscore\terror\n";
}

std::string SummaryLine(const ScoredLog& scored) {
  if (scored.Failed()) {
    return Printable(scored.file) + "\t" + OrDash(scored.log.stationCall) + "\t-\t-\t-\t-\t-\t-\t" +
           (scored.errorLine > 0 ? "line " + std::to_string(scored.errorLine) + ": " : "") +
           Printable(scored.error) + "\n";
  }
  const LogScore& s = scored.score;
  const std::string own = OwnLocatorsText(s, ",");
  return Printable(scored.file) + "\t" + OrDash(scored.log.stationCall) + "\t" +
         (own.empty() ? "-" : own) + "\t" + std::to_string(scored.log.qsos.size()) + "\t" +
         std::to_string(s.duplicates) + "\t" + std::to_string(s.points) + "\t" +
         std::to_string(s.newFields) + "\t" + std::to_string(s.score) + "\t-\n";
}

std::string WarningLines(const ScoredLog& scored) {
  std::string text;
  for (const LogWarning& warning : scored.log.warnings) {
    text += Located(scored.file, warning.line) + ": warning: " + Printable(warning.message) + "\n";
  }
  if (scored.Failed()) {
    text += ErrorLine(scored.file, scored.error, scored.errorLine);
  }
  return text;
}

std::string ErrorLine(const std::string& file, const std::string& message, std::int64_t line) {
  return Located(file, line) + ": error: " + Printable(message) + "\n";
}
