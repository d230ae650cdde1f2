// The distance component reached over COM: created by its class id, called through its interface
// table, its failures described by the component's error object or the system's text.
#pragma once

#include <memory>
#include <string>

#include "distance/distance_component.h"

// Creates the component on this thread, where the host has initialised COM (the plug-in never
// does). Throws EOleException when the class cannot be created or lacks the interface.
std::shared_ptr<DistanceComponent> CreateCalcDistOverCom();

// The system's text for a result code, less trailing blanks and line ends; empty when it has none.
std::string SystemMessageOf(HResult code);
