#include "cli/json_output.h"

#include <cstdio>

#include "logfiles/band_map.h"
#include "logfiles/json_string.h"
#include "logfiles/log_time.h"

namespace {
std::string Number(std::int64_t value) {
  return std::to_string(value);
}

std::string Decimal(const char* format, double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string Bool(bool value) {
  return value ? "true" : "false";
}

std::string OptionalString(const std::string& text) {
  return text.empty() ? "null" : JsonString(text);
}

std::string TimeText(const std::optional<std::int64_t>& seconds) {
  if (!seconds) {
    return "null";
  }
  const UtcTime t = UtcTimeOf(*seconds);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "\"%04d-%02d-%02dT%02d:%02d:%02dZ\"", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return buffer;
}

std::string StringList(const std::vector<std::string>& texts) {
  std::string json = "[";
  for (const std::string& text : texts) {
    json += (json.size() > 1 ? "," : "") + JsonString(text);
  }
  return json + "]";
}

std::string Bands(const LogScore& score) {
  std::string json = "[";
  for (const TStatistic& band : score.bands) {
    json += std::string(json.size() > 1 ? "," : "") + "\n    {\"band\":" + JsonString(band.Band) +
            ",\"qsos\":" + Number(band.QSOs) + ",\"points\":" + Number(band.Points) +
            ",\"new_fields\":" + Number(band.NewLoc) +
            ",\"fields\":" + StringList(FieldsOfBand(score, band.Band)) + "}";
  }
  return json + (score.bands.empty() ? "]" : "\n  ]");
}

std::string Qso(const ScoredLog& scored, std::size_t i) {
  const LogQso qso = scored.log.qsos[i];
  const ScoredQso& result = scored.score.qsos[i];
  const AmateurBand* band = BandOfText(qso.band);
  const std::optional<double> khz =
      KhzOfLogFrequency(qso.frequency, scored.log.format == "Cabrillo");
  const std::optional<double> distance = result.DistanceKm();
  const std::string ownSquare =
      result.ownLocator < 0
          ? ""
          : scored.score.ownLocators[static_cast<std::size_t>(result.ownLocator)].substr(0, 4);
  return "{\"line\":" + Number(qso.line) + ",\"time\":" + TimeText(qso.utcSeconds) +
         ",\"frequency_khz\":" + (khz ? Decimal("%.10g", *khz) : "null") +
         ",\"callsign\":" + JsonString(qso.callSign) + ",\"band\":" + JsonString(qso.band) +
         ",\"adif_band\":" + (band ? JsonString(band->adifName) : "null") +
         ",\"mode\":" + JsonString(qso.mode) + ",\"grid\":" + OptionalString(qso.exchange) +
         ",\"own_square\":" + OptionalString(ownSquare) +
         ",\"square\":" + OptionalString(result.Square()) +
         ",\"distance_km\":" + (distance ? Decimal("%.1f", *distance) : "null") +
         ",\"points\":" + Number(result.points) + ",\"new_field\":" + Bool(result.newField) +
         ",\"duplicate\":" + Bool(result.duplicate) + ",\"reason\":" +
         (result.reason == ZeroReason::kNone ? "null" : JsonString(ZeroReasonKey(result.reason))) +
         "}";
}

std::string Qsos(const ScoredLog& scored) {
  std::string json = "[";
  for (std::size_t i = 0; i < scored.log.qsos.size(); ++i) {
    json += std::string(i ? "," : "") + "\n    " + Qso(scored, i);
  }
  return json + (scored.log.qsos.empty() ? "]" : "\n  ]");
}

std::string ZeroPoints(const LogScore& score) {
  std::string json = "{";
  for (std::size_t i = 1; i < kZeroReasonCount; ++i) {
    json += std::string(i > 1 ? "," : "") + JsonString(ZeroReasonKey(static_cast<ZeroReason>(i))) +
            ":" + Number(score.zeroReasons[i]);
  }
  return json + "}";
}

std::string Warnings(const ContestLog& log) {
  std::string json = "[";
  for (const LogWarning& warning : log.warnings) {
    json += std::string(json.size() > 1 ? "," : "") + "\n    {\"line\":" + Number(warning.line) +
            ",\"message\":" + JsonString(warning.message) + "}";
  }
  return json + (log.warnings.empty() ? "]" : "\n  ]");
}

std::string Failure(const ScoredLog& scored) {
  return "{\n  \"version\":" + Number(kJsonVersion) + ",\n  \"file\":" + JsonString(scored.file) +
         ",\n  \"format\":" + OptionalString(scored.log.format) +
         ",\n  \"error\":" + JsonString(scored.error) +
         ",\n  \"error_line\":" + (scored.errorLine > 0 ? Number(scored.errorLine) : "null") +
         ",\n  \"warnings\":" + Warnings(scored.log) + "\n}";
}
}  // namespace

std::string JsonResult(const ScoredLog& scored) {
  if (scored.Failed()) {
    return Failure(scored);
  }
  const LogScore& s = scored.score;
  const std::int64_t qsos = static_cast<std::int64_t>(scored.log.qsos.size());
  return "{\n  \"version\":" + Number(kJsonVersion) + ",\n  \"file\":" + JsonString(scored.file) +
         ",\n  \"format\":" + JsonString(scored.log.format) +
         ",\n  \"station\":" + OptionalString(scored.log.stationCall) +
         ",\n  \"contest\":" + OptionalString(scored.log.contest) +
         ",\n  \"own_locators\":" + StringList(s.ownLocators) + ",\n  \"bands\":" + Bands(s) +
         ",\n  \"totals\":{\"qsos\":" + Number(qsos) + ",\"duplicates\":" + Number(s.duplicates) +
         ",\"scored_qsos\":" + Number(qsos - s.duplicates) + ",\"points\":" + Number(s.points) +
         ",\"new_fields\":" + Number(s.newFields) +
         ",\"left_out\":" + Number(scored.filtered.leftOut) +
         "},\n  \"zero_points\":" + ZeroPoints(s) + ",\n  \"score\":" + Number(s.score) +
         ",\n  \"qsos\":" + Qsos(scored) + ",\n  \"warnings\":" + Warnings(scored.log) + "\n}";
}

std::string JsonError(const std::string& file, const std::string& message) {
  return "{\"version\":" + Number(kJsonVersion) + ",\"file\":" + JsonString(file) +
         ",\"format\":null,\"error\":" + JsonString(message) +
         ",\"error_line\":null,\"warnings\":[]}";
}
