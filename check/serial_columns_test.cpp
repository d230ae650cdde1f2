#include "check/serial_columns.h"

#include <gtest/gtest.h>

#include "check/check_test_support.h"

namespace {
// QSOs with these serials sent and received, report 59 both ways.
QsoList QsosWithSerials(const std::vector<std::pair<const char*, const char*>>& serials) {
  QsoList qsos;
  for (const auto& [sent, received] : serials) {
    LogQso qso;
    qso.sentReport = "59";
    qso.sentSerial = sent;
    qso.receivedReport = "59";
    qso.receivedSerial = received;
    qsos.push_back(qso);
  }
  return qsos;
}
}  // namespace

TEST(SerialColumns, ReceivedSerialsThatCountUpAreTheSentOnes) {
  const struct {
    const char* name;
    std::vector<std::pair<const char*, const char*>> serials;  // sent, received
    bool swapped;
  } cases[] = {
      {"as written", {{"001", "090"}, {"002", "020"}, {"003", "022"}, {"004", "093"}}, false},
      {"swapped", {{"090", "001"}, {"020", "002"}, {"022", "003"}, {"093", "004"}}, true},
      {"swapped, a QSO left out",
       {{"090", "001"}, {"020", "002"}, {"022", "004"}, {"093", "005"}},
       true},
      {"half the steps are not more than half",
       {{"090", "001"}, {"020", "002"}, {"022", "004"}, {"093", "007"}, {"011", "008"}},
       false},
      {"both count up", {{"001", "011"}, {"002", "012"}, {"003", "013"}}, false},
      {"two QSOs are too few", {{"090", "001"}, {"020", "002"}}, false},
      {"no serials", {{"", ""}, {"", ""}, {"", ""}}, false},
      {"received as 011/", {{"090", "001/"}, {"020", "002/"}, {"022", "003/"}}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SerialColumnsSwapped(QsosWithSerials(c.serials)), c.swapped);
  }
}

// A log with its serial columns swapped is read the other way round, with a warning, so that
// neither it nor the stations that copied its serials right lose their QSOs.
TEST(SerialColumns, ASwappedLogIsReadTheOtherWayRound) {
  const std::vector<BandLog> logs = {
      {"YO5OJC",
       "KN17WP",
       "144",
       {{"2016-05-08 0500", "YO5AAA", "59 090", "59 001 KN16SS"},
        {"2016-05-08 0510", "YO5BBB", "59 020", "59 002 KN17KT"},
        {"2016-05-08 0520", "YO5CCC", "59 022", "59 003 KN27FH"}}},
      {"YO5AAA", "KN16SS", "144", {{"2016-05-08 0500", "YO5OJC", "59 090", "59 001 KN17WP"}}},
      {"YO5BBB", "KN17KT", "144", {{"2016-05-08 0510", "YO5OJC", "59 020", "59 002 KN17WP"}}},
      {"YO5CCC", "KN27FH", "144", {{"2016-05-08 0520", "YO5OJC", "59 022", "59 003 KN17WP"}}}};
  const CheckedContest contest = CheckBandLogs(logs, ParseRules("check-serial = yes"));
  for (const QsoOutcome& outcome : contest.result.outcomes) {
    EXPECT_EQ(ClassName(outcome.qsoClass), ClassName(QsoClass::kConfirmed));
  }
  ASSERT_EQ(contest.logs.logs[0].warnings.size(), 1u);
  EXPECT_EQ(contest.logs.logs[0].warnings[0].message,
            "the serials sent and received stand in each other's columns (the received count up "
            "from QSO to QSO): read the other way round");
  EXPECT_TRUE(contest.logs.logs[1].warnings.empty());
}
