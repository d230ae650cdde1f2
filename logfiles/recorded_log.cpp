#include "logfiles/recorded_log.h"

#include "scoring/contest_score.h"

RecordedLog::RecordedLog(std::shared_ptr<DistanceComponent> distance) {
  scoring_.CalcDist = std::move(distance);
}

RecordedLog::RecordedLog(DistanceComponentFactory create, const std::string& ownLocator) {
  scoring_.CreateDistanceComponent(create, ownLocator);
}

ScoreTally RecordedLog::Tally() const {
  ScoreTally tally;
  for (const TStatistic& band : scoring_.BandStats.Entries()) {
    tally.qsos += band.QSOs;
    tally.points += band.Points;
    tally.fields += band.NewLoc;
  }
  tally.score = ContestScore(tally.points, tally.fields);
  return tally;
}
