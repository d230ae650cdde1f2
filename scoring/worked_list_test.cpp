#include "scoring/worked_list.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

TEST(WorkedQSOList, HoldsEachEntryOnceWhateverTheInsertionOrder) {
  WorkedQSOList list;
  const char* calls[] = {"OK1X", "DL1AB/P", "dl1ab", "DL1AB", "DL1AB0", "", "9A2EU"};
  for (const char* call : calls) {
    list.Add({call, "14", "CW"});
  }
  list.Add({"DL1AB", "14", "CW"});  // held already
  EXPECT_EQ(list.Count(), 7u);
  for (const char* call : calls) {
    SCOPED_TRACE(call);
    EXPECT_TRUE(list.Contains(call, "14", "CW"));
  }
}

TEST(WorkedQSOList, DuplicateNeedsTheSameBytesOfCallsignBandAndMode) {
  WorkedQSOList list;
  EXPECT_FALSE(list.Contains("DL1AB", "14", "CW"));  // empty list

  list.Add({"DL1AB", "14", "CW"});
  struct Case {
    const char *call, *band, *mode;
    bool dupe;
  } cases[] = {
      {"DL1AB", "14", "CW", true},
      {"DL1AB", "14", "SSB", false},
      {"DL1AB", "7", "CW", false},
      {"dl1ab", "14", "CW", false},
      {"DL1AB", "14 ", "CW", false},
      {"DL1AB", "14", "cw", false},
      {"DL1AB ", "14", "CW", false},
      // The same bytes split otherwise between the three texts.
      {"DL1AB1", "4", "CW", false},
      {"DL1A", "B14", "CW", false},
      {"DL1AB", "14C", "W", false},
      {"DL1AB", "", "14CW", false},
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

// Many entries, through the table's growth and a clear, against an ordered set of the same
// entries: texts with zero bytes, empty ones, long ones whose length takes two bytes, and entries
// that differ only in where one text ends and the next begins.
TEST(WorkedQSOList, AnswersAsAnOrderedSetOfTheSameEntries) {
  using Entry = std::tuple<std::string, std::string, std::string>;
  std::vector<Entry> entries;
  for (int i = 0; i < 3000; ++i) {
    const std::string n = std::to_string(i);
    entries.push_back({"K" + n, "14", "CW"});
    entries.push_back({"K" + n.substr(0, 1), n.substr(1) + "14", "CW"});
    entries.push_back({std::string("K\0", 2) + n, "", i % 2 ? "FT8" : ""});
  }
  for (int length : {0, 127, 128, 255, 300, 20000}) {
    entries.push_back({std::string(static_cast<std::size_t>(length), 'x'), "7", "SSB"});
    entries.push_back({"", std::string(static_cast<std::size_t>(length), '\xff'), "SSB"});
  }
  WorkedQSOList list;
  std::set<Entry> reference;
  auto expectSameAnswers = [&] {
    EXPECT_EQ(list.Count(), reference.size());
    for (const auto& [call, band, mode] : entries) {
      ASSERT_EQ(list.Contains(call, band, mode), reference.count({call, band, mode}) != 0)
          << call << "|" << band << "|" << mode;
    }
  };
  for (std::size_t i = 0; i < entries.size(); i += 2) {  // every other entry, and some twice
    const auto& [call, band, mode] = entries[i];
    list.Add({call, band, mode});
    list.Add({call, band, mode});
    reference.insert(entries[i]);
  }
  expectSameAnswers();

  list.Clear();
  reference.clear();
  expectSameAnswers();
  for (std::size_t i = 1; i < entries.size(); i += 3) {
    const auto& [call, band, mode] = entries[i];
    list.Add({call, band, mode});
    reference.insert(entries[i]);
  }
  expectSameAnswers();
}
