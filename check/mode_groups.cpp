#include "check/mode_groups.h"

namespace {
struct ModeName {
  std::string_view mode;
  ModeGroup group;
};

constexpr ModeName kModes[] = {
    {"CW", ModeGroup::kCw},     {"PH", ModeGroup::kPhone},  {"SSB", ModeGroup::kPhone},
    {"USB", ModeGroup::kPhone}, {"LSB", ModeGroup::kPhone}, {"AM", ModeGroup::kPhone},
    {"FM", ModeGroup::kFm},     {"RY", ModeGroup::kRtty},   {"RTTY", ModeGroup::kRtty},
};
}  // namespace

ModeGroup ModeGroupOf(std::string_view mode) {
  for (const ModeName& name : kModes) {
    if (name.mode == mode) {
      return name.group;
    }
  }
  return ModeGroup::kDigital;
}
