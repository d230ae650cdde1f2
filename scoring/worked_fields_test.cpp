#include "scoring/worked_fields.h"

#include <gtest/gtest.h>

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
