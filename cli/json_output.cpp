#include "cli/json_output.h"

#include <cstdio>

namespace {
// The length of the UTF-8 sequence starting at `p`, or 0 when none starts there.
std::size_t Utf8Length(std::string_view text, std::size_t p) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(p);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (p + length > text.size() || byte(p + 1) < low || byte(p + 1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(p + i) < 0x80 || byte(p + i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

std::string Escaped(unsigned code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
  return buffer;
}

std::string Number(std::int64_t value) {
  return std::to_string(value);
}

std::string Kilometres(double km) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", km);
  return buffer;
}

std::string OptionalString(const std::string& text) {
  return text.empty() ? "null" : JsonString(text);
}

std::string Bands(const LogScore& score) {
  std::string json = "[";
  for (const TStatistic& band : score.bands) {
    std::string fields;
    for (const std::string& field : FieldsOfBand(score, band.Band)) {
      fields += (fields.empty() ? "" : ",") + JsonString(field);
    }
    json += std::string(json.size() > 1 ? "," : "") + "\n    {\"band\":" + JsonString(band.Band) +
            ",\"qsos\":" + Number(band.QSOs) + ",\"points\":" + Number(band.Points) +
            ",\"new_fields\":" + Number(band.NewLoc) + ",\"fields\":[" + fields + "]}";
  }
  return json + (score.bands.empty() ? "]" : "\n  ]");
}

std::string Qsos(const ScoredLog& scored) {
  std::string json = "[";
  const std::vector<LogQso>& qsos = scored.log.qsos;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    const LogQso& qso = qsos[i];
    const QsoResult& score = scored.score.qsos[i];
    json += std::string(i ? "," : "") + "\n    {\"line\":" + Number(qso.line) +
            ",\"callsign\":" + JsonString(qso.callSign) + ",\"band\":" + JsonString(qso.band) +
            ",\"mode\":" + JsonString(qso.mode) + ",\"square\":" + OptionalString(score.square) +
            ",\"distance_km\":" + (score.distanceKm ? Kilometres(*score.distanceKm) : "null") +
            ",\"points\":" + Number(score.points) +
            ",\"duplicate\":" + (score.duplicate ? "true" : "false") + "}";
  }
  return json + (qsos.empty() ? "]" : "\n  ]");
}

std::string Warnings(const ContestLog& log) {
  std::string json = "[";
  for (const LogWarning& warning : log.warnings) {
    json += std::string(json.size() > 1 ? "," : "") + "\n    {\"line\":" + Number(warning.line) +
            ",\"message\":" + JsonString(warning.message) + "}";
  }
  return json + (log.warnings.empty() ? "]" : "\n  ]");
}
}  // namespace

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t p = 0; p < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[p]);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else if (c < 0x20) {
      json += Escaped(c);
    } else if (c >= 0x80) {
      const std::size_t length = Utf8Length(text, p);
      if (length == 0) {
        json += Escaped(c);
        ++p;
        continue;
      }
      json.append(text, p, length);
      p += length;
      continue;
    } else {
      json += static_cast<char>(c);
    }
    ++p;
  }
  return json + "\"";
}

std::string JsonResult(const ScoredLog& scored) {
  const LogScore& s = scored.score;
  std::int64_t qsos = 0;
  for (const TStatistic& band : s.bands) {
    qsos += band.QSOs;
  }
  return "{\n  \"file\":" + JsonString(scored.file) +
         ",\n  \"format\":" + JsonString(scored.log.format) +
         ",\n  \"station\":" + OptionalString(scored.log.stationCall) +
         ",\n  \"own_locator\":" + JsonString(scored.ownLocator) + ",\n  \"bands\":" + Bands(s) +
         ",\n  \"totals\":{\"qsos\":" + Number(qsos) + ",\"duplicates\":" + Number(s.duplicates) +
         ",\"points\":" + Number(s.points) + ",\"new_fields\":" + Number(s.newFields) +
         "},\n  \"score\":" + Number(s.score) + ",\n  \"qsos\":" + Qsos(scored) +
         ",\n  \"warnings\":" + Warnings(scored.log) + "\n}";
}

std::string JsonError(const std::string& file, const std::string& message) {
  return "{\"file\":" + JsonString(file) + ",\"error\":" + JsonString(message) + "}";
}
