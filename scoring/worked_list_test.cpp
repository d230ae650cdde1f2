#include "scoring/worked_list.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CompareQSOs, ComparesCallsignsOnly) {
  EXPECT_EQ(CompareQSOs({"DL1AB", "14", "CW"}, {"DL1AB", "7", "FT8"}), 0);
  EXPECT_EQ(CompareQSOs({"DL1AB", "14", "CW"}, {"dl1ab", "14", "CW"}), -1);
  EXPECT_EQ(CompareQSOs({"OK1X", "", ""}, {"DL1AB", "", ""}), 1);
}

TEST(WorkedQSOList, StaysInCallsignOrderWhateverTheInsertionOrder) {
  WorkedQSOList list;
  for (const char* call : {"OK1X", "DL1AB/P", "dl1ab", "DL1AB", "DL1AB0", "", "9A2EU"}) {
    list.Add({call, "14", "CW"});
  }
  std::vector<std::string> order;
  for (const TQSO& qso : list) {
    order.push_back(qso.CallSign);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"", "9A2EU", "DL1AB", "DL1AB/P", "DL1AB0", "OK1X",
                                             "dl1ab"}));
}

TEST(WorkedQSOList, DuplicateNeedsTheSameBytesOfCallsignBandAndMode) {
  WorkedQSOList list;
  EXPECT_FALSE(list.Contains("DL1AB", "14", "CW"));  // empty list

  list.Add({"DL1AB", "14", "CW"});
  struct Case {
    const char *call, *band, *mode;
    bool dupe;
  } cases[] = {
      {"DL1AB", "14", "CW", true},   {"DL1AB", "14", "SSB", false}, {"DL1AB", "7", "CW", false},
      {"dl1ab", "14", "CW", false},  {"DL1AB", "14 ", "CW", false}, {"DL1AB", "14", "cw", false},
      {"DL1AB ", "14", "CW", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.call) + "|" + c.band + "|" + c.mode);
    EXPECT_EQ(list.Contains(c.call, c.band, c.mode), c.dupe);
  }
}

TEST(WorkedQSOList, FindsAMatchAnywhereInARunOfEqualCallsigns) {
  WorkedQSOList list;
  // The run of DL1AB entries sits at the start, so its first entry is the list's first too; the
  // run of ZZ9ZZ sits at the end.
  const char* bands[] = {"1.8", "3.5", "7", "10", "14"};
  for (const char* band : bands) {
    list.Add({"DL1AB", band, "CW"});
    list.Add({"ZZ9ZZ", band, "FT8"});
  }
  for (int i = 0; i < 50; ++i) {
    list.Add({"OK" + std::to_string(i), "14", "CW"});
  }
  for (const char* band : bands) {
    SCOPED_TRACE(band);
    EXPECT_TRUE(list.Contains("DL1AB", band, "CW"));
    EXPECT_TRUE(list.Contains("ZZ9ZZ", band, "FT8"));
    EXPECT_FALSE(list.Contains("DL1AB", band, "FT8"));
  }
  EXPECT_FALSE(list.Contains("DL1AB", "21", "CW"));
  EXPECT_FALSE(list.Contains("MM0AAA", "14", "CW"));
}
