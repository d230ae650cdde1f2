#include "check/engine_scoring.h"

#include "distance/geometry_distance.h"
#include "scoring/contest_score.h"
#include "scoring/scoring_state.h"
#include "scoring/text_rules.h"

namespace {
std::shared_ptr<DistanceComponent> CreateGeometry() {
  return std::make_shared<GeometryDistance>();
}
}  // namespace

Qso RecordedQso(const std::string& call, const std::string& band, const std::string& mode,
                const std::string& exchange) {
  return {CutToRecordText(call), CutToRecordText(band), CutToRecordText(mode),
          CutToRecordText(exchange), ""};
}

EngineRun ScoreOnEngine(const std::vector<EngineQso>& qsos) {
  EngineRun run;
  if (qsos.empty()) {
    return run;
  }
  ScoringState scoring;
  scoring.CreateDistanceComponent(&CreateGeometry, qsos.front().ownLocator.substr(0, 4));
  run.results.reserve(qsos.size());
  for (const EngineQso& entry : qsos) {
    run.results.push_back(scoring.ScoreQSO(entry.qso, entry.ownLocator, ScoreMode::Record));
  }
  for (const TStatistic& band : scoring.BandStats.Entries()) {
    run.tally.qsos += band.QSOs;
    run.tally.points += band.Points;
    run.tally.fields += band.NewLoc;
  }
  run.tally.score = ContestScore(run.tally.points, run.tally.fields);
  return run;
}
