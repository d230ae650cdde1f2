#include "check/checked_score.h"

#include <gtest/gtest.h>

TEST(CheckedScore, WhatEachClassCountsAndCosts) {
  CheckRules rules;
  rules.notInLogPenalty = 1;  // each penalty its own, so that no class can take another's
  rules.bustedCallPenalty = 2;
  rules.bustedLocatorPenalty = 3;
  CheckRules uniquesDoNotCount = rules;
  uniquesDoNotCount.uniqueCounts = false;
  const struct {
    QsoClass qsoClass;
    bool counts;
    bool countsWithoutUniques;
    std::int64_t penaltyFactor;
  } cases[] = {
      {QsoClass::kConfirmed, true, true, 0},    {QsoClass::kNotInLog, false, false, 1},
      {QsoClass::kBustedCall, false, false, 2}, {QsoClass::kBustedLocator, false, false, 3},
      {QsoClass::kUnique, true, false, 0},      {QsoClass::kNotCheckable, true, true, 0},
      {QsoClass::kDuplicate, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ClassName(c.qsoClass));
    EXPECT_EQ(Counts(c.qsoClass, rules), c.counts);
    EXPECT_EQ(Counts(c.qsoClass, uniquesDoNotCount), c.countsWithoutUniques);
    EXPECT_EQ(PenaltyFactor(c.qsoClass, rules), c.penaltyFactor);
  }
}
