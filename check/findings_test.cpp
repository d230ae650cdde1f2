#include "check/findings.h"

#include <gtest/gtest.h>

#include "check/finding_scores.h"

TEST(Findings, CsvReadsBackWhatItWrote) {
  const std::vector<Finding> findings = {
      {"logs/dl1abc.log", 12, "busted-call", "logged OK1XYY for OK1XYZ"},
      {"odd, \"name\".log", 0, "clock-offset", "-1500"},
      {"x.adi", 7, "duplicate", ""},
  };
  const std::vector<Finding> read = ParseFindingsCsv(FindingsCsv(findings));
  ASSERT_EQ(read.size(), findings.size());
  for (std::size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(read[i].file, findings[i].file);
    EXPECT_EQ(read[i].line, findings[i].line);
    EXPECT_EQ(read[i].kind, findings[i].kind);
    EXPECT_EQ(read[i].detail, findings[i].detail);
  }
  EXPECT_THROW(ParseFindingsCsv("file,line,kind,detail\na.log,twelve,unique,\n"),
               std::runtime_error);
}

TEST(Findings, ScoredAgainstTheTruthKindByKind) {
  const std::vector<Finding> truth = {
      {"a.log", 5, "not-in-log", ""},
      {"a.log", 6, "busted-call", ""},
      {"b.log", 0, "clock-offset", "600"},
      {"c.log", 0, "clock-offset", "-300"},
  };
  const std::vector<Finding> found = {
      {"/x/a.log", 5, "not-in-log", ""},        // folders do not count
      {"/x/a.log", 6, "not-in-log", ""},        // the wrong class
      {"/x/b.log", 0, "clock-offset", "645"},   // within a minute
      {"/x/c.log", 0, "clock-offset", "-400"},  // more than a minute off
  };
  for (const KindScore& score : ScoreFindings(truth, found, CheckRules())) {
    SCOPED_TRACE(score.kind);
    if (score.kind == "not-in-log") {
      EXPECT_EQ(score.expected, 1u);
      EXPECT_EQ(score.found, 2u);
      EXPECT_EQ(score.agreed, 1u);
      EXPECT_DOUBLE_EQ(score.Precision(), 0.5);
      EXPECT_DOUBLE_EQ(score.Recall(), 1.0);
    } else if (score.kind == "busted-call") {
      EXPECT_DOUBLE_EQ(score.Precision(), 1.0);  // nothing found
      EXPECT_DOUBLE_EQ(score.Recall(), 0.0);
    } else if (score.kind == "clock-offset") {
      EXPECT_EQ(score.agreed, 1u);
      EXPECT_DOUBLE_EQ(score.Recall(), 0.5);
    } else {
      EXPECT_EQ(score.expected + score.found, 0u);
    }
  }
}

// The one quoting rule of findings.csv and results.csv: each of '"', ',', CR and LF alone makes a
// field quoted, with its quotes doubled.
TEST(CsvField, QuotesAFieldThatNeedsIt) {
  const struct {
    const char* text;
    const char* field;
  } cases[] = {
      {"", ""},
      {"logged OK1XYY for OK1XYZ", "logged OK1XYY for OK1XYZ"},
      {"Grüße; 'x'", "Grüße; 'x'"},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"\"", "\"\"\"\""},
      {"a,b", "\"a,b\""},
      {"a\rb", "\"a\rb\""},
      {"a\nb", "\"a\nb\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CsvField(c.text), c.field);
  }
}
