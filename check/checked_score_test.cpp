#include "check/checked_score.h"

#include <gtest/gtest.h>

TEST(CheckedScore, WhatEachClassCountsAndCosts) {
  CheckRules rules;
  rules.notInLogPenalty = 1;  // each penalty its own, so that no class can take another's
  rules.bustedCallPenalty = 2;
  rules.bustedLocatorPenalty = 3;
  rules.bustedExchangePenalty = 4;
  CheckRules uniquesDoNotCount = rules;
  uniquesDoNotCount.uniqueCounts = false;
  const struct {
    QsoClass qsoClass;
    bool counts;
    bool countsWithoutUniques;
    std::int64_t penaltyFactor;
  } cases[] = {
      {QsoClass::kConfirmed, true, true, 0},     {QsoClass::kNotInLog, false, false, 1},
      {QsoClass::kBustedCall, false, false, 2},  {QsoClass::kBustedLocator, false, false, 3},
      {QsoClass::kUnique, true, false, 0},       {QsoClass::kNotCheckable, true, true, 0},
      {QsoClass::kDuplicate, false, false, 0},   {QsoClass::kBustedExchange, false, false, 4},
      {QsoClass::kOutOfPeriod, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ClassName(c.qsoClass));
    EXPECT_EQ(Counts(c.qsoClass, rules), c.counts);
    EXPECT_EQ(Counts(c.qsoClass, uniquesDoNotCount), c.countsWithoutUniques);
    EXPECT_EQ(PenaltyFactor(c.qsoClass, rules), c.penaltyFactor);
  }
}

TEST(CheckedScore, TheClassesTheRulesCanGive) {
  const struct {
    const char* rules;
    bool bustedExchange;
    bool outOfPeriod;
  } cases[] = {
      {"", false, false},
      {"check-report = yes", true, false},
      {"check-serial = yes", true, false},
      {"period-start = 2016-05-07T14:00", false, true},
      {"period-end = 2016-05-08T14:00", false, true},
      {"bands = 144 432", false, true},
      {"locator-length = 6\nlog-per-band = yes", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rules);
    const CheckRules rules = ParseRules(c.rules);
    EXPECT_EQ(RulesCanGive(QsoClass::kBustedExchange, rules), c.bustedExchange);
    EXPECT_EQ(RulesCanGive(QsoClass::kOutOfPeriod, rules), c.outOfPeriod);
    for (QsoClass qsoClass : kAllClasses) {
      if (qsoClass != QsoClass::kBustedExchange && qsoClass != QsoClass::kOutOfPeriod) {
        EXPECT_TRUE(RulesCanGive(qsoClass, rules)) << ClassName(qsoClass);
      }
    }
  }
}
