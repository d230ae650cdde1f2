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
