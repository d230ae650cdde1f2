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

// A QSO of mixed modes (EDI's codes 3 and 4: SSB sent and CW received, or the other way round) is
// one the other side may log as phone, as CW or as mixed.
TEST(ModeGroups, MixedPhoneAndCwAgreesWithEither) {
  const struct {
    const char* a;
    const char* b;
    bool agree;
  } cases[] = {
      {"SSB/CW", "SSB", true},    {"SSB/CW", "CW", true},  {"CW/SSB", "PH", true},
      {"SSB/CW", "CW/SSB", true}, {"SSB/CW", "FM", false}, {"CW/SSB", "FT8", false},
      {"CW", "SSB", false},       {"FT8", "DG", true},     {"SSB", "USB", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " " + c.b);
    EXPECT_EQ(ModeGroupsAgree(ModeGroupOf(c.a), ModeGroupOf(c.b)), c.agree);
    EXPECT_EQ(ModeGroupsAgree(ModeGroupOf(c.b), ModeGroupOf(c.a)), c.agree);
  }
}
