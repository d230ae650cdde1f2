#include "cli/log_scorer.h"

#include <algorithm>

#include "distance/geometry_distance.h"
#include "scoring/scoring_state.h"
#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
std::shared_ptr<DistanceComponent> CreateGeometry() {
  return std::make_shared<GeometryDistance>();
}

// The QSO as the host's record would carry it to the plug-in: each text at most 255 characters.
Qso RecordedQso(const LogQso& qso) {
  return {CutToRecordText(qso.callSign), CutToRecordText(qso.band), CutToRecordText(qso.mode),
          CutToRecordText(qso.exchange), ""};
}
}  // namespace

LogScore ScoreQsos(const std::vector<LogQso>& qsos, const std::string& ownLocator) {
  ScoringState scoring;
  // Distances are measured from the own square; the rest of a longer locator changes nothing.
  scoring.CreateDistanceComponent(&CreateGeometry, ownLocator.substr(0, 4));

  LogScore result;
  result.qsos.reserve(qsos.size());
  for (const LogQso& logged : qsos) {
    const Qso qso = RecordedQso(logged);
    QsoResult& scored =
        result.qsos.emplace_back(scoring.ScoreQSO(qso, ownLocator, ScoreMode::Record));
    if (scored.duplicate) {
      scored.square = ScanSquare(qso.reportReceived).square;
      ++result.duplicates;
    }
  }
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
