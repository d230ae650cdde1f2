#include "check/mode_groups.h"

#include <gtest/gtest.h>

TEST(ModeGroups, EachModeInTheGroupOfItsKind) {
  const struct {
    const char* mode;
    ModeGroup group;
  } cases[] = {
      {"PH", ModeGroup::kPhone},    {"SSB", ModeGroup::kPhone},  {"USB", ModeGroup::kPhone},
      {"LSB", ModeGroup::kPhone},   {"AM", ModeGroup::kPhone},   {"RY", ModeGroup::kRtty},
      {"RTTY", ModeGroup::kRtty},   {"CW", ModeGroup::kCw},      {"FM", ModeGroup::kFm},
      {"FT8", ModeGroup::kDigital}, {"DG", ModeGroup::kDigital}, {"PSK31", ModeGroup::kDigital},
      {"", ModeGroup::kDigital},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(ModeGroupOf(c.mode), c.group);
  }
}
