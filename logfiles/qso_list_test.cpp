#include "logfiles/qso_list.h"

#include <gtest/gtest.h>

#include "logfiles/test_support.h"

namespace {
LogQso Qso(const std::string& call, const std::string& exchange, std::int64_t line) {
  LogQso qso;
  qso.callSign = call;
  qso.band = "14";
  qso.mode = "FT8";
  qso.exchange = exchange;
  qso.line = line;
  qso.ownCall = "DL1ABC";
  qso.ownLocator = "JO31LK";
  qso.frequency = "14.074";
  qso.contestId = "WW-DIGI";
  qso.sentReport = "59";
  qso.sentSerial = std::to_string(line % 1000);
  qso.receivedReport = "57";
  qso.receivedSerial = "011/";
  return qso;
}

void ExpectSame(const LogQso& read, const LogQso& added) {
  EXPECT_EQ(read.callSign, added.callSign);
  EXPECT_EQ(read.band, added.band);
  EXPECT_EQ(read.mode, added.mode);
  EXPECT_EQ(read.exchange, added.exchange);
  EXPECT_EQ(read.line, added.line);
  EXPECT_EQ(read.ownCall, added.ownCall);
  EXPECT_EQ(read.ownLocator, added.ownLocator);
  EXPECT_EQ(read.frequency, added.frequency);
  EXPECT_EQ(read.utcSeconds, added.utcSeconds);
  EXPECT_EQ(read.contestId, added.contestId);
  EXPECT_EQ(ExchangeOf(read), ExchangeOf(added));
  EXPECT_EQ(read.markedDuplicate, added.markedDuplicate);
}

// Texts of every length a length byte or two or three tell, repeated or not, empty or with NULs.
std::vector<LogQso> QsosOfEveryLength() {
  std::vector<LogQso> added;
  for (std::size_t size : {0, 1, 127, 128, 300, 16383, 16384, 70000}) {
    LogQso qso = Qso(std::string(size, 'K'), std::string(size / 2, 'x') + '\0', 5000000000);
    qso.utcSeconds = size % 2 ? std::optional<std::int64_t>(-86400) : std::nullopt;
    added.push_back(qso);
    added.push_back(qso);  // all texts the same as the QSO before
    qso.band = "";
    qso.ownLocator = std::string(size, 'L');
    qso.receivedSerial = std::string(size, '7');
    qso.markedDuplicate = true;
    added.push_back(qso);
  }
  return added;
}
}  // namespace

TEST(QsoList, GivesBackEveryQsoAsAdded) {
  const std::vector<LogQso> added = QsosOfEveryLength();
  const QsoList list(added);
  ASSERT_EQ(list.size(), added.size());
  std::size_t i = 0;
  for (const LogQso& qso : list) {
    SCOPED_TRACE(i);
    ExpectSame(qso, added[i]);
    EXPECT_EQ(list.Text(i, QsoText::kOwnLocator), added[i].ownLocator);
    EXPECT_EQ(list.Line(i), added[i].line);
    EXPECT_EQ(list.MarkedDuplicate(i), added[i].markedDuplicate);
    ++i;
  }
  EXPECT_EQ(i, added.size());
}

// A list stores a text once for the run of QSOs that repeat it: a text that differs from the one
// before only in its first or last byte, at any length a word or two compares, is a new text.
TEST(QsoList, TellsATextFromTheOneBeforeByEachByte) {
  std::vector<LogQso> added;
  for (std::size_t size = 1; size <= 18; ++size) {
    const std::string text(size, 'K');
    for (const std::size_t changed : {std::size_t{0}, size - 1}) {
      std::string other = text;
      other[changed] = 'Q';
      added.push_back(Qso(text, text, 1));
      added.push_back(Qso(other, other, 2));
      added.push_back(Qso(text, other, 3));
    }
  }
  const QsoList list(added);
  ASSERT_EQ(list.size(), added.size());
  for (std::size_t i = 0; i < added.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSame(list[i], added[i]);
  }
}

TEST(QsoList, EraseIfKeepsTheOthersInOrder) {
  QsoList list = {Qso("A1A", "JO31", 1), Qso("B1B", "JO32", 2), Qso("C1C", "JO33", 3),
                  Qso("D1D", "JO34", 4)};
  EXPECT_EQ(list.EraseIf([](const LogQso& qso) { return qso.line % 2 == 0; }), 2u);
  ASSERT_EQ(list.size(), 2u);
  ExpectSame(list[0], Qso("A1A", "JO31", 1));
  ExpectSame(list[1], Qso("C1C", "JO33", 3));
  list.push_back(Qso("E1E", "JO35", 5));
  ExpectSame(list[2], Qso("E1E", "JO35", 5));
  EXPECT_EQ(list.EraseIf([](const LogQso&) { return true; }), 3u);
  EXPECT_TRUE(list.empty());
}

// The reports and serials are the only texts a list of kScoring leaves out, however the texts
// repeat; a filter and a clear keep its detail.
TEST(QsoList, OfScoringDetailLeavesOutOnlyTheReportsAndSerials) {
  const std::vector<LogQso> added = QsosOfEveryLength();
  QsoList full;
  QsoList scoring(QsoDetail::kScoring);
  for (const LogQso& qso : added) {
    full.push_back(qso);
    scoring.push_back(qso);
  }
  ASSERT_EQ(full.size(), added.size());
  for (std::size_t i = 0; i < full.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSame(full[i], added[i]);
  }
  ExpectScoringListOf(scoring, full);

  const auto everyOther = [n = 0](const LogQso&) mutable { return n++ % 2 == 0; };
  EXPECT_EQ(scoring.EraseIf(everyOther), full.EraseIf(everyOther));
  ExpectScoringListOf(scoring, full);

  scoring.clear();
  scoring.push_back(added.back());
  EXPECT_EQ(scoring.Detail(), QsoDetail::kScoring);
  EXPECT_EQ(scoring.Text(0, QsoText::kReceivedSerial), "");
}
