// A log's QSOs recorded on the plug-in's engine one after another, as the host records them when
// they are logged live, and the tally of what the engine counted: how the scorer and the check
// both score a log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "logfiles/qso_list.h"
#include "scoring/scoring_state.h"
#include "scoring/text_rules.h"

struct ScoreTally {
  std::int64_t qsos = 0;  // QSOs the engine counted: duplicates are not
  std::int64_t points = 0;
  std::int64_t fields = 0;
  std::int64_t score = 0;
};

// A QSO's texts as the host's record would carry them: each at most 255 characters. Inline: the
// scorer records every QSO of a log.
inline Qso RecordedQso(std::string_view call, std::string_view band, std::string_view mode,
                       std::string_view exchange) {
  return {CutToRecordText(call), CutToRecordText(band), CutToRecordText(mode),
          CutToRecordText(exchange), ""};
}

// QSO `i` of a list as the host's record would carry it, read without a copy of the QSO.
inline Qso RecordedQsoOf(const QsoList& qsos, std::size_t i) {
  return RecordedQso(qsos.Text(i, QsoText::kCallSign), qsos.Text(i, QsoText::kBand),
                     qsos.Text(i, QsoText::kMode), qsos.Text(i, QsoText::kExchange));
}

class RecordedLog {
 public:
  // Each distance is measured by `distance`.
  explicit RecordedLog(std::shared_ptr<DistanceComponent> distance);
  // As the plug-in starts: the component that `create` makes, and the coordinates of `ownLocator`
  // measured at once, which throws EOleException when it names no square the component knows.
  RecordedLog(DistanceComponentFactory create, const std::string& ownLocator);

  // Records the QSO (see RecordedQso), its distance measured from the first four characters of
  // `ownLocator`. A failing call of the distance component throws EOleException.
  QsoResult Record(const Qso& qso, const std::string& ownLocator) {
    return scoring_.ScoreQSO(qso, ownLocator, ScoreMode::Record);
  }

  ScoreTally Tally() const;
  const ScoringState& Scoring() const { return scoring_; }

 private:
  ScoringState scoring_;
};
