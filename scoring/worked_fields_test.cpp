#include "scoring/worked_fields.h"

#include <gtest/gtest.h>

#include "scoring/text_rules.h"

TEST(WorkedFieldList, IgnoresLetterCaseAndKeepsFirstAppearance) {
  WorkedFieldList fields;
  EXPECT_TRUE(fields.Add("14KO"));
  EXPECT_TRUE(fields.Add("7JN"));
  EXPECT_FALSE(fields.Add("14ko"));
  EXPECT_TRUE(fields.Add("14 KO"));  // a blank makes another band text

  EXPECT_TRUE(fields.Contains("14Ko"));
  EXPECT_FALSE(fields.Contains("21KO"));
  EXPECT_EQ(fields.Keys(), (std::vector<std::string>{"14KO", "7JN", "14 KO"}));

  fields.Clear();
  EXPECT_FALSE(fields.Contains("14KO"));
  EXPECT_TRUE(fields.Keys().empty());
}

// The host's code page decides which letters are one another's case, beyond a to z.
TEST(WorkedFieldList, FoldsCaseWithTheTableItIsGiven) {
  CaseFoldTable windows1252 = AsciiCaseFold();
  windows1252[0xE9] = 0xC9;  // e acute
  struct Case {
    const char* name;
    const CaseFoldTable& fold;
    bool found;
  } const cases[] = {{"Windows-1252", windows1252, true}, {"a to z only", AsciiCaseFold(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorkedFieldList fields(c.fold);
    EXPECT_TRUE(fields.Add("\xC9KO"));
    EXPECT_EQ(fields.Contains("\xE9ko"), c.found);
    EXPECT_EQ(fields.Add("\xE9KO"), !c.found);
  }
}

// Every field of several bands: the list grows many times over and must still find each key, in
// either case, and keep the order of first appearance.
TEST(WorkedFieldList, FindsEveryKeyOfAWholeContestAfterGrowing) {
  const std::vector<std::string> bands = {"1.8", "3.5", "7", "14", "21", "28", "50", "144"};
  std::vector<std::string> added;
  WorkedFieldList fields;
  for (const std::string& band : bands) {
    for (char first = 'A'; first <= 'R'; ++first) {
      for (char second = 'A'; second <= 'R'; ++second) {
        added.push_back(band + first + second);
        ASSERT_TRUE(fields.Add(added.back())) << added.back();
      }
    }
  }
  for (const std::string& key : added) {
    std::string lower = key;
    for (char& c : lower) {
      c = LowerAscii(c);
    }
    ASSERT_TRUE(fields.Contains(lower)) << lower;
    ASSERT_FALSE(fields.Add(lower)) << lower;
  }
  EXPECT_FALSE(fields.Contains("14SA"));
  EXPECT_FALSE(fields.Contains("14A"));
  EXPECT_EQ(fields.Keys(), added);

  fields.Clear();
  EXPECT_FALSE(fields.Contains("14KO"));
  EXPECT_TRUE(fields.Add("14ko"));
  EXPECT_EQ(fields.Keys(), std::vector<std::string>{"14ko"});
}
