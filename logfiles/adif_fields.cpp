#include "logfiles/adif_fields.h"

#include "logfiles/band_map.h"
#include "logfiles/log_text.h"
#include "logfiles/log_time.h"

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

// A contest's serial number as a number (STX, SRX), else as the text of the exchange (STX_STRING,
// SRX_STRING), trimmed.
std::string_view SerialOf(std::string_view number, std::string_view text) {
  number = TrimControl(number);
  return number.empty() ? TrimControl(text) : number;
}

void FillReportsAndSerials(const AdifValues& r, QsoView& view) {
  using F = AdifField;
  view[QsoText::kSentReport] = TrimControl(r[F::kRstSent]);
  view[QsoText::kSentSerial] = SerialOf(r[F::kSentSerial], r[F::kSentText]);
  view[QsoText::kReceivedReport] = TrimControl(r[F::kRstReceived]);
  view[QsoText::kReceivedSerial] = SerialOf(r[F::kReceivedSerial], r[F::kReceivedText]);
}
}  // namespace

std::string FillAdifQso(const AdifValues& r, QsoDetail detail, AdifQso& qso) {
  using F = AdifField;
  QsoView& view = qso.view;
  view[QsoText::kCallSign] = UpperTrimmedView(r[F::kCall], qso.copies[0]);
  if (view[QsoText::kCallSign].empty()) {
    return "record without CALL; skipped";
  }
  const char* band = BandOfAdifName(r[F::kBand]);
  if (!band) {
    band = BandOfMhzText(r[F::kFreq]);
  }
  if (!band) {
    return NoBandMessage(r[F::kBand], r[F::kFreq]);
  }
  view[QsoText::kBand] = band;
  // A submode names the mode the operator used (FT4), the mode only its family (MFSK).
  const std::string_view submode = TrimControl(r[F::kSubmode]);
  view[QsoText::kMode] = UpperTrimmedView(submode.empty() ? r[F::kMode] : submode, qso.copies[1]);
  view[QsoText::kExchange] = TrimControl(r[F::kGrid]);
  const std::string_view station = TrimControl(r[F::kStation]);
  view[QsoText::kOwnCall] =
      UpperTrimmedView(station.empty() ? r[F::kOperator] : station, qso.copies[2]);
  view[QsoText::kOwnLocator] = UpperTrimmedView(r[F::kMyGrid], qso.copies[3]);
  view[QsoText::kFrequency] = TrimControl(r[F::kFreq]);
  view.utcSeconds = qso.clock.Seconds(TrimControl(r[F::kDate]), TrimControl(r[F::kTime]));
  view[QsoText::kContestId] = UpperTrimmedView(r[F::kContestId], qso.copies[4]);
  if (detail == QsoDetail::kFull) {
    FillReportsAndSerials(r, view);
  }
  return {};
}
