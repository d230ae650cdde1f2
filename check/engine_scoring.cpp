#include "check/engine_scoring.h"

#include "distance/geometry_distance.h"

namespace {
std::shared_ptr<DistanceComponent> CreateGeometry() {
  return std::make_shared<GeometryDistance>();
}
}  // namespace

EngineRun ScoreOnEngine(const std::vector<EngineQso>& qsos) {
  EngineRun run;
  if (qsos.empty()) {
    return run;
  }
  RecordedLog log(&CreateGeometry, qsos.front().ownLocator.substr(0, 4));
  run.results.reserve(qsos.size());
  for (const EngineQso& entry : qsos) {
    run.results.push_back(log.Record(entry.qso, entry.ownLocator));
  }
  run.tally = log.Tally();
  return run;
}
