// The calls a rebuild makes to the distance component, recorded on the in-process geometry and
// replayed on another component: the component's own share of a rebuild, timed alone.
#pragma once

#include <string>
#include <vector>

#include "distance/distance_component.h"

struct ComponentCall {
  enum Kind { CoordA, CoordB, Distance } kind;
  std::string locator;  // of a coordinate call
  float arguments[4];   // of a distance call
};

// The calls a rebuild of `table` over the ODBC connection (an SQLHDBC) makes, in their order.
std::vector<ComponentCall> RebuildCalls(void* connection, const std::string& table,
                                        const std::string& ownLocator);

void Replay(DistanceComponent& component, const std::vector<ComponentCall>& calls);
