#include "cli/log_scorer.h"

#include <algorithm>
#include <unordered_map>

#include "cli/cached_distance.h"
#include "cli/square_set.h"
#include "scoring/scoring_state.h"
#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
// The QSO as the host's record would carry it to the plug-in: each text at most 255 characters.
Qso RecordedQso(const LogQso& qso) {
  return {CutToRecordText(qso.callSign), CutToRecordText(qso.band), CutToRecordText(qso.mode),
          CutToRecordText(qso.exchange), ""};
}

const std::string& OwnLocatorOf(const LogQso& qso, const std::string& given,
                                const std::string& logLocator) {
  if (!given.empty()) {
    return given;
  }
  return qso.ownLocator.empty() ? logLocator : qso.ownLocator;
}

// Numbers the own locators by square as the QSOs name them; the same square as the QSO before
// costs no look-up, so a log from one place pays nothing for a rover's.
class OwnLocatorTable {
 public:
  // The index of the locator's square, -1 when it begins with none.
  std::int32_t Note(const std::string& locator) {
    if (&locator == last_ || locator == *last_) {
      return lastIndex_;
    }
    last_ = &locator;
    const std::optional<int> square = SquareIndex(locator);
    if (!square) {
      return lastIndex_ = -1;
    }
    const auto found =
        indexOfSquare_.try_emplace(*square, static_cast<std::int32_t>(locators_.size()));
    if (found.second) {
      locators_.push_back(locator);
    }
    return lastIndex_ = found.first->second;
  }
  std::vector<std::string> Take() { return std::move(locators_); }

 private:
  static inline const std::string kNone;
  const std::string* last_ = &kNone;
  std::int32_t lastIndex_ = -1;
  std::unordered_map<int, std::int32_t> indexOfSquare_;
  std::vector<std::string> locators_;
};

bool NeedsDistance(const ScoringState& scoring, const Qso& qso) {
  return !scoring.IsDupe(qso) && !ScanSquare(qso.reportReceived).square.empty();
}

LogError NoOwnLocator(const std::vector<LogQso>& qsos, const LogQso& qso,
                      const std::string& ownLocator) {
  if (!ownLocator.empty()) {
    return LogError("own locator '" + ownLocator + "' is no Maidenhead locator", qso.line);
  }
  const bool anyOwn = std::any_of(qsos.begin(), qsos.end(),
                                  [](const LogQso& other) { return !other.ownLocator.empty(); });
  if (!anyOwn) {
    return LogError("the log names no own locator; give it with --own LOCATOR");
  }
  return LogError("the QSO names no own locator, while others do; give one with --own LOCATOR",
                  qso.line);
}
}  // namespace

LogScore ScoreQsos(const std::vector<LogQso>& qsos, const std::string& given,
                   const std::string& logLocator) {
  ScoringState scoring;
  // The own coordinates of a distance are those of the QSO's own square, measured with it.
  scoring.CalcDist = std::make_shared<CachedGeometryDistance>();
  OwnLocatorTable ownLocators;

  LogScore result;
  result.qsos.reserve(qsos.size());
  result.notes.reserve(qsos.size());
  for (const LogQso& logged : qsos) {
    const Qso qso = RecordedQso(logged);
    const std::string& ownLocator = OwnLocatorOf(logged, given, logLocator);
    QsoNote& note = result.notes.emplace_back();
    note.ownLocator = ownLocators.Note(ownLocator);
    if (note.ownLocator < 0 && NeedsDistance(scoring, qso)) {
      throw NoOwnLocator(qsos, logged, ownLocator);
    }
    QsoResult& scored =
        result.qsos.emplace_back(scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record));
    note.reason = ZeroReasonOf(scored, qso.reportReceived);
    ++result.zeroReasons[static_cast<std::size_t>(note.reason)];
    if (scored.duplicate) {
      scored.square = ScanSquare(qso.reportReceived).square;
      ++result.duplicates;
    }
  }
  result.ownLocators = ownLocators.Take();
  result.report = scoring.ReportText();
  result.bands = scoring.BandStats.Entries();
  result.fieldKeys = scoring.WorkedFields.Keys();
  for (const TStatistic& band : result.bands) {
    result.points += band.Points;
    result.newFields += band.NewLoc;
  }
  result.score = ContestScore(result.points, result.newFields);
  return result;
}

std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band) {
  std::vector<std::string> fields;
  for (const std::string& key : score.fieldKeys) {
    // A key is the band text followed by exactly two field letters.
    if (key.size() == band.size() + 2 && key.compare(0, band.size(), band) == 0) {
      fields.push_back(key.substr(band.size()));
    }
  }
  std::sort(fields.begin(), fields.end());
  return fields;
}
