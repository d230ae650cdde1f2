#include "bench/rebuild_component_calls.h"

#include <memory>

#include "distance/geometry_distance.h"
#include "io/odbc_log_query.h"
#include "scoring/log_rebuild.h"
#include "testing/quiet_recalc_host.h"

namespace {
// The in-process geometry, noting every call made to it.
class RecordingComponent : public GeometryDistance {
 public:
  HResult GetCoordA(const std::string& locator, float* coordA) override {
    calls.push_back({ComponentCall::CoordA, locator, {}});
    return GeometryDistance::GetCoordA(locator, coordA);
  }
  HResult GetCoordB(const std::string& locator, float* coordB) override {
    calls.push_back({ComponentCall::CoordB, locator, {}});
    return GeometryDistance::GetCoordB(locator, coordB);
  }
  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override {
    calls.push_back({ComponentCall::Distance, {}, {ownA, ownB, qsoA, qsoB}});
    return GeometryDistance::GetDistance(ownA, ownB, qsoA, qsoB, distance);
  }

  std::vector<ComponentCall> calls;
};
}  // namespace

std::vector<ComponentCall> RebuildCalls(void* connection, const std::string& table,
                                        const std::string& ownLocator) {
  ScoringState scoring;
  auto recorder = std::make_shared<RecordingComponent>();
  scoring.CalcDist = recorder;
  QuietRecalcHost host(scoring);
  host.logTable = table;
  host.ownLocator = ownLocator;
  LogRebuild rebuild(scoring, host, std::make_unique<OdbcLogQuery>(connection));
  rebuild.Execute();
  return std::move(recorder->calls);
}

void Replay(DistanceComponent& component, const std::vector<ComponentCall>& calls) {
  float value = 0;
  for (const ComponentCall& call : calls) {
    switch (call.kind) {
      case ComponentCall::CoordA:
        component.GetCoordA(call.locator, &value);
        break;
      case ComponentCall::CoordB:
        component.GetCoordB(call.locator, &value);
        break;
      case ComponentCall::Distance:
        component.GetDistance(call.arguments[0], call.arguments[1], call.arguments[2],
                              call.arguments[3], &value);
        break;
    }
  }
}
