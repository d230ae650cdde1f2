#include "cli/adif_fields.h"

#include "cli/band_map.h"
#include "cli/log_text.h"
#include "cli/log_time.h"

namespace {
struct FieldName {
  std::string_view name;  // lower case
  AdifField field;
};
constexpr FieldName kFields[] = {
    {"call", AdifField::kCall},
    {"band", AdifField::kBand},
    {"freq", AdifField::kFreq},
    {"mode", AdifField::kMode},
    {"submode", AdifField::kSubmode},
    {"gridsquare", AdifField::kGrid},
    {"my_gridsquare", AdifField::kMyGrid},
    {"station_callsign", AdifField::kStation},
    {"operator", AdifField::kOperator},
    {"qso_date", AdifField::kDate},
    {"time_on", AdifField::kTime},
    {"contest_id", AdifField::kContestId},
};
static_assert(std::size(kFields) == kAdifFieldCount);

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// `known` is in lower case. The reader meets every field name of the file here: no copies.
bool IsName(std::string_view name, std::string_view known) {
  if (name.size() != known.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (Lower(name[i]) != known[i]) {
      return false;
    }
  }
  return true;
}

std::string NoBandMessage(std::string_view band, std::string_view freq) {
  band = TrimControl(band);
  freq = TrimControl(freq);
  const std::string bandText = "band '" + std::string(band) + "'";
  const std::string freqText = "frequency '" + std::string(freq) + "'";
  if (band.empty() && freq.empty()) {
    return "record without BAND or FREQ; skipped";
  }
  if (freq.empty()) {
    return bandText + " is no amateur band; skipped";
  }
  if (band.empty()) {
    return freqText + " is on no amateur band; skipped";
  }
  return bandText + " and " + freqText + " name no amateur band; skipped";
}
}  // namespace

std::optional<AdifField> FindAdifField(std::string_view name) {
  for (const FieldName& known : kFields) {
    if (IsName(name, known.name)) {
      return known.field;
    }
  }
  return std::nullopt;
}

std::string FillAdifQso(const AdifValues& r, LogQso& qso) {
  using F = AdifField;
  qso.callSign = UpperTrimmed(r[F::kCall]);
  if (qso.callSign.empty()) {
    return "record without CALL; skipped";
  }
  const char* band = BandOfAdifName(r[F::kBand]);
  if (!band) {
    band = BandOfMhzText(r[F::kFreq]);
  }
  if (!band) {
    return NoBandMessage(r[F::kBand], r[F::kFreq]);
  }
  qso.band = band;
  // A submode names the mode the operator used (FT4), the mode only its family (MFSK).
  const std::string_view submode = TrimControl(r[F::kSubmode]);
  qso.mode = UpperTrimmed(submode.empty() ? r[F::kMode] : submode);
  qso.exchange = std::string(TrimControl(r[F::kGrid]));
  const std::string_view station = TrimControl(r[F::kStation]);
  qso.ownCall = UpperTrimmed(station.empty() ? r[F::kOperator] : station);
  qso.ownLocator = UpperTrimmed(r[F::kMyGrid]);
  qso.frequency = std::string(TrimControl(r[F::kFreq]));
  qso.utcSeconds = UtcSeconds(TrimControl(r[F::kDate]), TrimControl(r[F::kTime]));
  qso.contestId = UpperTrimmed(r[F::kContestId]);
  return {};
}
