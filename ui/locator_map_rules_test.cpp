#include "ui/locator_map_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "scoring/band_names.h"
#include "ui/memory_settings_store.h"

TEST(LocatorItemCaptions, EveryFieldOnceColumnByColumnFromNorthToSouth) {
  const std::vector<std::string> captions = LocatorItemCaptions();
  ASSERT_EQ(captions.size(), 324u);
  EXPECT_EQ(captions[0], "AR");
  EXPECT_EQ(captions[1], "AQ");
  EXPECT_EQ(captions[17], "AA");
  EXPECT_EQ(captions[18], "BR");
  EXPECT_EQ(captions[323], "RA");
  const std::set<std::string> distinct(captions.begin(), captions.end());
  EXPECT_EQ(distinct.size(), 324u);
  for (const std::string& caption : captions) {
    SCOPED_TRACE(caption);
    ASSERT_EQ(caption.size(), 2u);
    EXPECT_TRUE(caption[0] >= 'A' && caption[0] <= 'R');
    EXPECT_TRUE(caption[1] >= 'A' && caption[1] <= 'R');
  }
}

TEST(FitFieldRows, EighteenRowsPerColumnWhereverTheyAreReadable) {
  struct Case {
    const char* name;
    int available;
    int rowHeight;
    int listHeight;
  } const cases[] = {
      {"designed size", 327, 17, 327},
      {"taller", 427, 22, 427},
      {"19 rows of 17 fit exactly", 342, 17, 341},
      {"no whole height between 18 and 19 rows", 324, 16, 322},
      {"18 rows of text exactly", 253, 13, 253},
      {"18 rows of text and more", 265, 13, 265},
      {"too short for 18 readable rows", 200, 13, 200},
      {"no height", 0, 13, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FieldListFit fit = FitFieldRows(c.available, 19, 13);
    EXPECT_EQ(fit.rowHeight, c.rowHeight);
    EXPECT_EQ(fit.listHeight, c.listHeight);
    // A column then holds 18 items, or fewer when the rows are no higher than text.
    const int rows = std::max((fit.listHeight - 19) / fit.rowHeight, 0);
    EXPECT_EQ(rows, std::min(kFieldRowsPerColumn, std::max((c.available - 19) / 13, 0)));
  }
}

TEST(BandButtons, TagsAreBandIndexesAndTenStandsLast) {
  std::string strip;
  std::set<int> tags;
  for (const int tag : kBandButtonTags) {
    SCOPED_TRACE(tag);
    ASSERT_NE(BandNameOf(tag), nullptr);
    EXPECT_TRUE(IsBandButtonTag(tag));
    tags.insert(tag);
    strip += std::string(BandNameOf(tag)) + " ";
  }
  EXPECT_EQ(strip, "1.8 3.5 7 14 18 21 24 28 10 ");
  EXPECT_EQ(tags, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(kBandButtonTags.back(), kDefaultDownTag);
  for (const int index : {-1, 0, 10, 11, 100}) {
    SCOPED_TRACE(index);
    EXPECT_FALSE(IsBandButtonTag(index));
  }
}

TEST(LayOutBandButtons, EqualWidthsLeftToRightAndTheLastTakesTheRemainderLessFour) {
  const std::vector<bool> nineButtons(9, true);
  struct Case {
    int width, height;
    int w, h, lastWidth;
  } cases[] = {
      {540, 18, 60, 17, 56},
      {100, 18, 11, 17, 8},
      {548, 18, 60, 17, 64},
      {13, 18, 1, 17, 1},
      {9, 18, 1, 17, 0},  // too narrow for the inset: the last button gets
                          // no width
      {3, 1, 0, 0, 0},
      {540, 0, 60, 0, 56},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width);
    const std::vector<ButtonLayout> layout = LayOutBandButtons(c.width, c.height, nineButtons);
    ASSERT_EQ(layout.size(), 9u);
    for (std::size_t i = 0; i < layout.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(layout[i].child, i);
      EXPECT_EQ(layout[i].bounds.left, static_cast<int>(i) * c.w);
      EXPECT_EQ(layout[i].bounds.top, 0);
      EXPECT_EQ(layout[i].bounds.height, c.h);
      EXPECT_EQ(layout[i].bounds.width, i + 1 < layout.size() ? c.w : c.lastWidth);
    }
  }
}

TEST(LayOutBandButtons, OnlyBandButtonsCountAndTakePlaces) {
  const std::vector<ButtonLayout> layout = LayOutBandButtons(100, 18, {false, true, false, true});
  ASSERT_EQ(layout.size(), 2u);
  EXPECT_EQ(layout[0].child, 1u);
  EXPECT_EQ(layout[0].bounds.left, 0);
  EXPECT_EQ(layout[0].bounds.width, 50);
  EXPECT_EQ(layout[1].child, 3u);
  EXPECT_EQ(layout[1].bounds.left, 50);
  EXPECT_EQ(layout[1].bounds.width, 46);
}

TEST(LayOutBandButtons, NothingWithoutWidthOrButtons) {
  EXPECT_TRUE(LayOutBandButtons(0, 18, std::vector<bool>(9, true)).empty());
  EXPECT_TRUE(LayOutBandButtons(540, 18, {}).empty());
  EXPECT_TRUE(LayOutBandButtons(540, 18, {false, false}).empty());
}

TEST(BandPrefixFor, BandNameInsideOneToNineElseUnchanged) {
  struct Case {
    int index;
    const char* current;
    const char* prefix;
  } cases[] = {
      {1, "", "1.8"}, {4, "14", "10"}, {5, "", "14"},  {9, "7", "28"},
      {0, "", ""},    {0, "21", "21"}, {10, "7", "7"}, {-1, "3.5", "3.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(BandPrefixFor(c.index, c.current), c.prefix);
  }
}

TEST(ItemLookFor, WorkedFieldsOfTheBandShownAreBlueAndUnderlined) {
  WorkedFieldList fields;
  fields.Add("14KO");
  fields.Add("7jn");
  fields.Add("AB");  // recorded with an empty band text
  struct Case {
    const char* prefix;
    const char* caption;
    bool worked;
  } cases[] = {
      {"14", "KO", true}, {"7", "KO", false}, {"7", "JN", true},  {"14", "JN", false},
      {"", "AB", true},   {"", "KO", false},  {"1", "4KO", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.prefix) + c.caption);
    const ItemLook look = ItemLookFor(fields, c.prefix, c.caption);
    EXPECT_EQ(look.underlined, c.worked);
    EXPECT_EQ(look.red, 0);
    EXPECT_EQ(look.green, 0);
    EXPECT_EQ(look.blue, c.worked ? 255 : 0);
  }
}

TEST(StoreCurrentBand, SetsTheIndexEvenWhenUnchangedAndReadsBack) {
  MemorySettingsStore store;
  FormStorage storage(store, "Host", kMainFormStorageOptions);
  EXPECT_EQ(StoredCurrentBand(storage), 0);

  for (int index : {5, 5, 0, 12}) {
    SCOPED_TRACE(index);
    StoreCurrentBand(storage, index);
    EXPECT_EQ(storage.StoredValue("CurrentBand"), std::to_string(index));
    EXPECT_EQ(StoredCurrentBand(storage), index);
  }
  EXPECT_TRUE(store.writes.empty());

  storage.SetStoredValue("CurrentBand", "x");
  EXPECT_THROW(StoredCurrentBand(storage), std::runtime_error);
}
