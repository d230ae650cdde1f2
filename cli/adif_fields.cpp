#include "cli/adif_fields.h"

#include "cli/band_map.h"
#include "cli/log_text.h"
#include "cli/log_time.h"

namespace {
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
