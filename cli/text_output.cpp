#include "cli/text_output.h"

namespace {
std::string OrDash(const std::string& text) {
  return text.empty() ? "-" : text;
}
}  // namespace

std::string ReportOutput(const LogScore& score) {
  std::string text;
  for (char c : score.report) {
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
    text += "Fields on " + band.Band + " (" + std::to_string(fields.size()) + "):";
    for (const std::string& field : fields) {
      text += " " + field;
    }
    text += "\n";
  }
  return text;
}

std::string HeaderLine(const ScoredLog& scored) {
  const std::string& station = scored.log.stationCall;
  return scored.file + ": " + scored.log.format + " log" +
         (station.empty() ? "" : " of " + station) + " from " + scored.ownLocator + ", " +
         std::to_string(scored.log.qsos.size()) + " QSOs\n";
}

std::string SummaryHeader() {
  return "file\tcall\tgrid\tqsos\tdupes\tpoints\tfields\tscore\n";
}

std::string SummaryLine(const ScoredLog& scored) {
  const LogScore& s = scored.score;
  return scored.file + "\t" + OrDash(scored.log.stationCall) + "\t" + scored.ownLocator + "\t" +
         std::to_string(scored.log.qsos.size()) + "\t" + std::to_string(s.duplicates) + "\t" +
         std::to_string(s.points) + "\t" + std::to_string(s.newFields) + "\t" +
         std::to_string(s.score) + "\n";
}

std::string WarningLines(const ScoredLog& scored) {
  std::string text;
  for (const LogWarning& warning : scored.log.warnings) {
    text += scored.file + (warning.line > 0 ? ":" + std::to_string(warning.line) : "") +
            ": warning: " + warning.message + "\n";
  }
  return text;
}
