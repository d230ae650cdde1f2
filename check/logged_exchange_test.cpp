#include "check/logged_exchange.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"
#include "check/log_report.h"
#include "check/qso_text.h"

// A report's line for an unconfirmed QSO says what both sides logged of the exchange, where the
// rules compare the report or the serial and either side logged one; otherwise the report is as
// it was.
TEST(LoggedExchange, AReportShowsTheExchangeBothSidesLoggedWhereItIsCompared) {
  const struct {
    const char* rules;
    std::vector<BandQso> yo5aaa;
    std::vector<BandQso> yo5bbb;
    int reported;  // YO5AAA's QSO, from 1
    QsoClass qsoClass;
    const char* line;  // empty: none
  } cases[] = {
      {"check-serial = yes",
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 013 KN17KT"}},
       {{"2016-05-07 1400", "YO5AAA", "59 012", "59 001 KN16SS"}},
       1,
       QsoClass::kBustedExchange,
       "sent 59 001 KN16SS, received 59 013 KN17KT; YO5BBB logged: sent 59 012 KN17KT, received "
       "59 001 KN16SS"},
      {"check-report = yes",
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 012 KN17KT"}},
       {{"2016-05-07 1600", "YO5AAA", "59 012", "59 001 KN16SS"}},
       1,
       QsoClass::kNotInLog,
       "sent 59 001 KN16SS, received 59 012 KN17KT; YO5BBB logged: sent 59 012 KN17KT, received "
       "59 001 KN16SS"},
      {"check-report = yes",
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 012 KN17KT"}},
       {{"2016-05-07 1400", "YO5CCC", "59 012", "59 001 KN27FH"}},
       1,
       QsoClass::kNotInLog,
       "sent 59 001 KN16SS, received 59 012 KN17KT"},
      {"check-report = yes\nlocator-length = 6",  // only the other side logged a report
       {{"2016-05-07 1400", "YO5BBB", "-", "- - KN17KS"}},
       {{"2016-05-07 1400", "YO5AAA", "59 012", "- - KN16SS"}},
       1,
       QsoClass::kBustedLocator,
       "sent - - KN16SS, received - - KN17KS; YO5BBB logged: sent 59 012 KN17KT, received - - "
       "KN16SS"},
      {"check-serial = yes",  // a duplicate is judged by its own log's entry
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 012 KN17KT"},
        {"2016-05-07 1410", "YO5BBB", "59 002", "59 013 KN17KT"}},
       {{"2016-05-07 1400", "YO5AAA", "59 012", "59 001 KN16SS"}},
       2,
       QsoClass::kDuplicate,
       "sent 59 002 KN16SS, received 59 013 KN17KT"},
      {"",  // the exchange not compared
       {{"2016-05-07 1400", "YO5BBB", "59 001", "59 012 KN18KT"}},
       {{"2016-05-07 1400", "YO5AAA", "59 012", "59 001 KN16SS"}},
       1,
       QsoClass::kBustedLocator,
       ""},
      {"check-serial = yes",  // neither side logged a report or serial
       {{"2016-05-07 1400", "YO5BBB", "-", "- - KN18KT"}},
       {{"2016-05-07 1400", "YO5AAA", "-", "- - KN16SS"}},
       1,
       QsoClass::kBustedLocator,
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(ClassName(c.qsoClass)) + " by " +
                 (*c.rules ? c.rules : "the defaults"));
    const CheckedContest contest = CheckBandLogs(
        {{"YO5AAA", "KN16SS", "144", c.yo5aaa}, {"YO5BBB", "KN17KT", "144", c.yo5bbb}},
        ParseRules(c.rules));
    const std::uint32_t reported = contest.Qso("YO5AAA", c.reported);
    ASSERT_EQ(contest.result.outcomes[reported].qsoClass, c.qsoClass);
    EXPECT_EQ(ExchangeLine(contest.logs, contest.result, reported), c.line);
    const std::string report = LogReportText(contest.logs, contest.result, 0, 1);
    if (*c.line == '\0') {
      EXPECT_EQ(report.find("\n  sent "), std::string::npos) << report;
      continue;
    }
    // The line closes the QSO's entry: after its class, before the next QSO's.
    const std::size_t entry = report.find(PlacedQsoText(contest.logs, reported) + "\n");
    const std::size_t line = report.find("\n  " + std::string(c.line) + "\n");
    ASSERT_NE(entry, std::string::npos) << report;
    ASSERT_NE(line, std::string::npos) << report;
    EXPECT_LT(entry, line);
    EXPECT_LT(line, report.find("\nYO5AAA-144.edi:", entry + 1)) << report;
  }
}
