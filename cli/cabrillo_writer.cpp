#include "cli/cabrillo_writer.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "logfiles/band_map.h"
#include "logfiles/log_text.h"
#include "logfiles/log_time.h"

namespace {
// Cabrillo's modes by the modes logs write; every other mode is a digital one.
struct ModeName {
  const char* logged;
  const char* cabrillo;
};
constexpr ModeName kModes[] = {
    {"CW", "CW"}, {"SSB", "PH"},  {"USB", "PH"}, {"LSB", "PH"},    {"AM", "PH"},     {"PH", "PH"},
    {"FM", "FM"}, {"RTTY", "RY"}, {"RY", "RY"},  {"SSB/CW", "PH"}, {"CW/SSB", "CW"},
};

std::string CabrilloMode(const std::string& mode) {
  for (const ModeName& name : kModes) {
    if (mode == name.logged) {
      return name.cabrillo;
    }
  }
  return "DG";
}

// kHz below 30 MHz, where Cabrillo asks for them; the band designator from 50 MHz on. A log
// without the frequency gives its band's lower edge, as Cabrillo allows.
std::string Frequency(const LogQso& qso, bool cabrillo) {
  const AmateurBand* band = BandOfText(qso.band);
  const std::optional<double> khz = KhzOfLogFrequency(qso.frequency, cabrillo);
  if (band && band->lowKhz >= 50000) {
    return band->text;
  }
  const double value = khz && band && *khz >= band->lowKhz && *khz <= band->highKhz
                           ? *khz
                           : (band ? band->lowKhz : 0);
  return std::to_string(static_cast<long long>(std::floor(value)));
}

std::string DateTime(std::int64_t seconds) {
  const UtcTime t = UtcTimeOf(seconds);
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d%02d", t.year, t.month, t.day, t.hour,
                t.minute);
  return buffer;
}

// The received grid as one field: the word of the exchange that is a locator, else the one meant
// as a locator (as logged: the contest judges it), else the exchange's only word.
std::string ReceivedGrid(const std::string& exchange) {
  std::vector<std::string_view> words;
  SplitWords(exchange, &words);
  for (const auto fits : {IsLocator, LooksLikeLocator}) {
    for (std::string_view word : words) {
      if (fits(word)) {
        return UpperAscii(std::string(word));
      }
    }
  }
  return words.size() == 1 ? std::string(words.front()) : "";
}

std::string Padded(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}
}  // namespace

std::string CabrilloLog(const ScoredLog& scored, const std::string& contestId) {
  const ContestLog& log = scored.log;
  const LogScore& score = scored.score;
  const std::string contest = contestId.empty() ? log.contest : contestId;
  std::string text = "START-OF-LOG: 3.0\nCREATED-BY: marovinta-score\n";
  if (!contest.empty()) {
    text += "CONTEST: " + contest + "\n";
  }
  if (!log.stationCall.empty()) {
    text += "CALLSIGN: " + log.stationCall + "\n";
  }
  if (!score.ownLocators.empty()) {
    text += "GRID-LOCATOR: " + score.ownLocators.front() + "\n";
  }
  text += "CLAIMED-SCORE: " + std::to_string(score.score) + "\n";
  const bool cabrillo = log.format == "Cabrillo";
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    const LogQso qso = log.qsos[i];
    const ScoredQso& result = score.qsos[i];
    if (!qso.utcSeconds) {
      throw LogError("the QSO has no date and time, which a Cabrillo line needs", qso.line);
    }
    if (result.ownLocator < 0) {
      throw LogError("the QSO has no own locator, which a Cabrillo line needs; give it with --own",
                     qso.line);
    }
    const std::string grid = ReceivedGrid(qso.exchange);
    if (grid.empty()) {
      throw LogError("the QSO has no received locator, which a Cabrillo line needs", qso.line);
    }
    const std::string& ownCall = qso.ownCall.empty() ? log.stationCall : qso.ownCall;
    if (ownCall.empty()) {
      throw LogError("the log names no own call, which a Cabrillo line needs", qso.line);
    }
    text += "QSO: " + Padded(Frequency(qso, cabrillo), 5) + " " + CabrilloMode(qso.mode) + " " +
            DateTime(*qso.utcSeconds) + " " + Padded(ownCall, 13) + " " +
            Padded(score.ownLocators[static_cast<std::size_t>(result.ownLocator)], 6) + " " +
            Padded(UpperTrimmed(qso.callSign), 13) + " " + grid + "\n";
  }
  return text + "END-OF-LOG:\n";
}
