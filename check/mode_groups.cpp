#include "check/mode_groups.h"

namespace {
struct ModeName {
  std::string_view mode;
  ModeGroup group;
};

constexpr ModeName kModes[] = {
    {"CW", ModeGroup::kCw},
    {"PH", ModeGroup::kPhone},
    {"SSB", ModeGroup::kPhone},
    {"USB", ModeGroup::kPhone},
    {"LSB", ModeGroup::kPhone},
    {"AM", ModeGroup::kPhone},
    {"FM", ModeGroup::kFm},
    {"RY", ModeGroup::kRtty},
    {"RTTY", ModeGroup::kRtty},
    {"SSB/CW", ModeGroup::kPhoneAndCw},
    {"CW/SSB", ModeGroup::kPhoneAndCw},
};

bool PhoneOrCw(ModeGroup group) {
  return group == ModeGroup::kPhone || group == ModeGroup::kCw || group == ModeGroup::kPhoneAndCw;
}
}  // namespace

ModeGroup ModeGroupOf(std::string_view mode) {
  for (const ModeName& name : kModes) {
    if (name.mode == mode) {
      return name.group;
    }
  }
  return ModeGroup::kDigital;
}

bool ModeGroupsAgree(ModeGroup a, ModeGroup b) {
  const bool mixed = a == ModeGroup::kPhoneAndCw || b == ModeGroup::kPhoneAndCw;
  return a == b || (mixed && PhoneOrCw(a) && PhoneOrCw(b));
}
