#include "ui/form_storage.h"

#include <gtest/gtest.h>

#include <array>

#include "ui/memory_settings_store.h"

namespace {
const std::string kMainKey = "Software\\Host\\TfmMainForm";
const std::string kMapKey = "Software\\Host\\TfmLocList";
const ScreenMetrics kScreen = {96, 1024, 768};

// The statistics window as designed: left 579, top 167, 374 x 196.
FormPlacement Designed() {
  FormPlacement placement;
  placement.flags = 0;
  placement.showCmd = 1;
  placement.minPosition = {-1, -1};
  placement.maxPosition = {-1, -1};
  placement.normalPosition = {579, 167, 953, 363};
  return placement;
}

FormPlacement Moved() {
  FormPlacement placement;
  placement.flags = 2;
  placement.showCmd = 3;
  placement.minPosition = {1, 2};
  placement.maxPosition = {3, 4};
  placement.normalPosition = {10, 20, 400, 300};
  return placement;
}

void ExpectSamePlacement(const FormPlacement& a, const FormPlacement& b) {
  EXPECT_EQ(a.flags, b.flags);
  EXPECT_EQ(a.showCmd, b.showCmd);
  EXPECT_EQ(a.minPosition.x, b.minPosition.x);
  EXPECT_EQ(a.minPosition.y, b.minPosition.y);
  EXPECT_EQ(a.maxPosition.x, b.maxPosition.x);
  EXPECT_EQ(a.maxPosition.y, b.maxPosition.y);
  EXPECT_EQ(a.normalPosition.left, b.normalPosition.left);
  EXPECT_EQ(a.normalPosition.top, b.normalPosition.top);
  EXPECT_EQ(a.normalPosition.right, b.normalPosition.right);
  EXPECT_EQ(a.normalPosition.bottom, b.normalPosition.bottom);
}

class FormStorageTest : public testing::Test {
 protected:
  FormStorage Main() { return FormStorage(store, "Host", kMainFormStorageOptions); }
  FormStorage Map() { return FormStorage(store, "Host", kLocListStorageOptions); }

  // The statistics window's values as a placement saved at 96 pixels per inch on 1024 x 768 left
  // them: Moved() and "CurrentBand" 5.
  void StoreMainValues() {
    store.keys[kMainKey] = {
        {"FormVersion", "0"},
        {"Flags", "2"},
        {"ShowCmd", "3"},
        {"PixelsPerInch", "96"},
        {"MinMaxPos(1024x768)", "1,2,3,4"},
        {"MinMaxPos", "1,2,3,4"},
        {"NormPos(1024x768)", "10,20,400,300"},
        {"NormPos", "10,20,400,300"},
        {"Visible", "0"},
        {"CurrentBand", "5"},
    };
  }

  MemorySettingsStore store;
};
}  // namespace

TEST(SaveEntries, StatisticsWindowWritesPlacementStateAndCurrentBandInOrder) {
  const StoredValues entries =
      SaveEntries(kMainFormStorageOptions, Moved(), kScreen, false, {{"CurrentBand", "5"}});
  const StoredValues expected = {
      {"FormVersion", "0"},
      {"Flags", "2"},
      {"ShowCmd", "3"},
      {"PixelsPerInch", "96"},
      {"MinMaxPos(1024x768)", "1,2,3,4"},
      {"MinMaxPos", "1,2,3,4"},
      {"NormPos(1024x768)", "10,20,400,300"},
      {"NormPos", "10,20,400,300"},
      {"Visible", "0"},
      {"CurrentBand", "5"},
  };
  EXPECT_EQ(entries, expected);
}

TEST(SaveEntries, LocatorMapWritesThePlacementOnlyAndVisibleTellsDestructionFromClose) {
  FormPlacement placement = Designed();
  placement.normalPosition = {-505, -164, 43, 208};
  const ScreenMetrics screen = {120, 1920, 1080};
  const StoredValues entries = SaveEntries(kLocListStorageOptions, placement, screen, true, {});
  const StoredValues expected = {
      {"FormVersion", "0"},
      {"Flags", "0"},
      {"ShowCmd", "1"},
      {"PixelsPerInch", "120"},
      {"MinMaxPos(1920x1080)", "-1,-1,-1,-1"},
      {"MinMaxPos", "-1,-1,-1,-1"},
      {"NormPos(1920x1080)", "-505,-164,43,208"},
      {"NormPos", "-505,-164,43,208"},
      {"Visible", "1"},
  };
  EXPECT_EQ(entries, expected);
}

TEST_F(FormStorageTest, SaveWritesEveryValueToTheWindowsKeyInOrder) {
  FormStorage storage = Main();
  storage.Restore(Designed(), kScreen, true);
  storage.SetStoredValue("CurrentBand", "7");
  storage.SetStoredValue("Extra", "x");
  ASSERT_TRUE(storage.SaveOnClose(Moved(), kScreen));

  const StoredValues entries = SaveEntries(kMainFormStorageOptions, Moved(), kScreen, false,
                                           {{"CurrentBand", "7"}, {"Extra", "x"}});
  ASSERT_EQ(store.writes.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].first);
    EXPECT_EQ(store.writes[i],
              (MemorySettingsStore::Write{kMainKey, entries[i].first, entries[i].second}));
  }
}

// A save ahead of destruction writes what the destruction would, and the destruction saves all the
// same.
TEST_F(FormStorageTest, SavesOnEveryAllowedCloseAndAtDestructionOnlyIfNotSavedSinceShown) {
  struct Step {
    enum Kind { kShow, kClose, kDestroy, kAhead } kind;
    bool writes = false;
    const char* visible = "";
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"never shown", {{Step::kClose, false, ""}, {Step::kDestroy, false, ""}}},
      {"closed, then destroyed",
       {{Step::kShow}, {Step::kClose, true, "0"}, {Step::kDestroy, false, ""}}},
      {"destroyed while open", {{Step::kShow}, {Step::kDestroy, true, "1"}}},
      {"closed twice", {{Step::kShow}, {Step::kClose, true, "0"}, {Step::kClose, true, "0"}}},
      {"shown again after a save",
       {{Step::kShow}, {Step::kClose, true, "0"}, {Step::kShow}, {Step::kDestroy, true, "1"}}},
      {"saved ahead, then destroyed",
       {{Step::kShow},
        {Step::kAhead, true, "1"},
        {Step::kAhead, true, "1"},
        {Step::kDestroy, true, "1"}}},
      {"never shown, saved ahead", {{Step::kAhead, false, ""}}},
      {"closed, then saved ahead",
       {{Step::kShow}, {Step::kClose, true, "0"}, {Step::kAhead, false, ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    store = MemorySettingsStore();
    FormStorage storage = Map();
    for (const Step& step : c.steps) {
      if (step.kind == Step::kShow) {
        storage.Restore(Designed(), kScreen, true);
        continue;
      }
      store.writes.clear();
      const bool wrote = step.kind == Step::kClose ? storage.SaveOnClose(Designed(), kScreen)
                         : step.kind == Step::kAhead
                             ? storage.SaveAheadOfDestroy(Designed(), kScreen)
                             : storage.SaveOnDestroy(Designed(), kScreen);
      EXPECT_EQ(wrote, step.writes);
      EXPECT_EQ(store.writes.empty(), !step.writes);
      if (step.writes) {
        EXPECT_EQ(store.keys[kMapKey]["Visible"], step.visible);
      }
    }
  }
}

TEST_F(FormStorageTest, AFailedSaveReportsItsTextKeepsEarlierWritesAndIsTriedAgainAtDestruction) {
  FormStorage storage = Main();
  storage.Restore(Designed(), kScreen, true);

  store.failCreatingKey = kMainKey;
  try {
    storage.SaveOnClose(Designed(), kScreen);
    FAIL() << "no error";
  } catch (const SettingsError& error) {
    EXPECT_STREQ(error.what(), "Failed to create key Software\\Host\\TfmMainForm");
  }
  EXPECT_TRUE(store.writes.empty());

  store.failCreatingKey.clear();
  store.failWriting = "PixelsPerInch";
  try {
    storage.SaveOnClose(Designed(), kScreen);
    FAIL() << "no error";
  } catch (const SettingsError& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for 'PixelsPerInch'");
  }
  ASSERT_EQ(store.writes.size(), 3u);
  EXPECT_EQ(store.writes[2].name, "ShowCmd");

  store.failWriting.clear();
  store.writes.clear();
  EXPECT_TRUE(storage.SaveOnDestroy(Designed(), kScreen));
  EXPECT_EQ(store.keys[kMainKey]["Visible"], "1");
}

TEST_F(FormStorageTest, NothingStoredLeavesTheWindowAsDesigned) {
  FormStorage main = Main();
  const FormRestore restore = main.Restore(Designed(), kScreen, true);
  EXPECT_FALSE(restore.placement);
  EXPECT_FALSE(restore.windowState);
  EXPECT_FALSE(restore.minimiseApplication);
  EXPECT_EQ(main.StoredValue("CurrentBand"), "0");

  store.keys[kMainKey];  // the key exists but holds nothing
  const FormRestore empty = main.Restore(Designed(), kScreen, true);
  EXPECT_FALSE(empty.placement);
  EXPECT_EQ(empty.windowState, FormWindowState::kNormal);
  EXPECT_FALSE(empty.minimiseApplication);
  EXPECT_EQ(main.StoredValue("CurrentBand"), "0");
}

TEST_F(FormStorageTest, ASavedWindowComesBackWhereItWasLeft) {
  FormStorage saved = Main();
  saved.Restore(Designed(), kScreen, true);
  saved.SetStoredValue("CurrentBand", "6");
  saved.SaveOnClose(Moved(), kScreen);

  FormStorage next = Main();
  const FormRestore restore = next.Restore(Designed(), kScreen, true);
  ASSERT_TRUE(restore.placement);
  FormPlacement expected = Moved();
  expected.showCmd = Designed().showCmd;  // the state goes its own way
  ExpectSamePlacement(*restore.placement, expected);
  EXPECT_EQ(restore.windowState, FormWindowState::kMaximised);
  EXPECT_EQ(next.StoredValue("CurrentBand"), "6");
}

TEST_F(FormStorageTest, PixelsPerInchDecidesWhetherThePositionComesBack) {
  struct Case {
    const char* stored;  // nullptr: absent
    bool applied;
  } cases[] = {{"96", true}, {"120", false}, {nullptr, true}, {"ninety", true}, {"", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "absent");
    StoreMainValues();
    if (c.stored) {
      store.keys[kMainKey]["PixelsPerInch"] = c.stored;
    } else {
      store.keys[kMainKey].erase("PixelsPerInch");
    }
    FormStorage storage = Main();
    const FormRestore restore = storage.Restore(Designed(), kScreen, true);
    EXPECT_EQ(restore.placement.has_value(), c.applied);
    // The state and the stored values come back either way.
    EXPECT_EQ(restore.windowState, FormWindowState::kMaximised);
    EXPECT_EQ(storage.StoredValue("CurrentBand"), "5");
  }
}

TEST_F(FormStorageTest, TheScreenSizesValueComesFirstAndThePlainOneStandsIn) {
  StoreMainValues();
  store.keys[kMainKey]["NormPos"] = "50,60,500,400";
  store.keys[kMainKey]["MinMaxPos"] = "5,6,7,8";
  struct Case {
    ScreenMetrics screen;
    const char* suffixedNormPos;  // nullptr: as stored
    int left;
    int minX;
  } cases[] = {
      {{96, 1024, 768}, nullptr, 10, 1},
      {{96, 1280, 1024}, nullptr, 50, 5},
      {{96, 1024, 768}, "", 50, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen.width);
    if (c.suffixedNormPos) {
      store.keys[kMainKey]["NormPos(1024x768)"] = c.suffixedNormPos;
    }
    const FormRestore restore = Main().Restore(Designed(), c.screen, true);
    ASSERT_TRUE(restore.placement);
    EXPECT_EQ(restore.placement->normalPosition.left, c.left);
    EXPECT_EQ(restore.placement->minPosition.x, c.minX);
  }
}

TEST_F(FormStorageTest, PositionTextsReadNumberByNumber) {
  // The present normal rectangle is 579,167,953,363 and both positions -1,-1.
  struct Case {
    const char* minMaxPos;  // nullptr: absent
    const char* normPos;    // nullptr: absent
    bool applied;
    std::array<int, 4> minMax;
    std::array<int, 4> normal;
  } cases[] = {
      {"1,2,3,4", "10,20,400,300", true, {1, 2, 3, 4}, {10, 20, 400, 300}},
      {" 1, 2 ,3,4", "10, 20, 400, 300", true, {1, 2, 3, 4}, {10, 20, 400, 300}},
      {"1,2", "10,20,400", true, {1, 2, 0, 0}, {10, 20, 400, 363}},
      {"x,2,,4", "a,20,b,300", true, {0, 2, 0, 4}, {579, 20, 953, 300}},
      {"1,2,3,4,5", "10,20,400,300,9", true, {1, 2, 3, 4}, {10, 20, 400, 300}},
      {"1,2,3,4", nullptr, true, {1, 2, 3, 4}, {579, 167, 953, 363}},
      {nullptr, "10,20,400,300", true, {-1, -1, -1, -1}, {10, 20, 400, 300}},
      {"nonsense", nullptr, true, {0, 0, 0, 0}, {579, 167, 953, 363}},
      {nullptr, nullptr, false, {}, {}},
      {"", "", false, {}, {}},
      {nullptr, "400,20,400,300", false, {}, {}},
      {nullptr, "1000,20", false, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.minMaxPos ? c.minMaxPos : "-") + " / " +
                 (c.normPos ? c.normPos : "-"));
    store.keys[kMainKey] = {};
    if (c.minMaxPos) {
      store.keys[kMainKey]["MinMaxPos"] = c.minMaxPos;
    }
    if (c.normPos) {
      store.keys[kMainKey]["NormPos"] = c.normPos;
    }
    const FormRestore restore = Main().Restore(Designed(), kScreen, true);
    ASSERT_EQ(restore.placement.has_value(), c.applied);
    if (!c.applied) {
      continue;
    }
    const FormPlacement& p = *restore.placement;
    EXPECT_EQ(
        (std::array<int, 4>{p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y}),
        c.minMax);
    EXPECT_EQ((std::array<int, 4>{p.normalPosition.left, p.normalPosition.top,
                                  p.normalPosition.right, p.normalPosition.bottom}),
              c.normal);
  }
}

TEST_F(FormStorageTest, FlagsComeBackWithThePositionAndAnUnreadableOneKeepsThePresent) {
  struct Case {
    const char* flags;
    int expected;
  } cases[] = {{"2", 2}, {"0", 0}, {"two", 0}, {"", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    StoreMainValues();
    store.keys[kMainKey]["Flags"] = c.flags;
    const FormRestore restore = Main().Restore(Designed(), kScreen, true);
    ASSERT_TRUE(restore.placement);
    EXPECT_EQ(restore.placement->flags, c.expected);
  }
}

TEST_F(FormStorageTest, ANewerFormVersionStopsTheWholeRestore) {
  struct Case {
    const char* version;
    bool restored;
  } cases[] = {{"0", true}, {"3", true}, {"zero", true}, {"", true}, {"-1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    StoreMainValues();
    store.keys[kMainKey]["FormVersion"] = c.version;
    FormStorage storage = Main();
    const FormRestore restore = storage.Restore(Designed(), kScreen, true);
    EXPECT_EQ(restore.placement.has_value(), c.restored);
    EXPECT_EQ(restore.windowState.has_value(), c.restored);
    EXPECT_EQ(storage.StoredValue("CurrentBand"), c.restored ? "5" : "0");
  }
}

TEST_F(FormStorageTest, ShowCmdGivesTheStatisticsWindowsState) {
  using State = FormWindowState;
  struct Case {
    const char* showCmd;  // nullptr: absent
    State state;
    bool minimised;
  } cases[] = {
      {"1", State::kNormal, false},   {"5", State::kNormal, false},
      {"9", State::kNormal, false},   {"3", State::kMaximised, false},
      {"2", State::kNormal, true},    {"6", State::kNormal, true},
      {"7", State::kNormal, true},    {"0", State::kNormal, false},
      {"4", State::kNormal, false},   {"8", State::kNormal, false},
      {"10", State::kNormal, false},  {"-3", State::kNormal, false},
      {"max", State::kNormal, false}, {nullptr, State::kNormal, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.showCmd ? c.showCmd : "absent");
    StoreMainValues();
    if (c.showCmd) {
      store.keys[kMainKey]["ShowCmd"] = c.showCmd;
    } else {
      store.keys[kMainKey].erase("ShowCmd");
    }
    const FormRestore restore = Main().Restore(Designed(), kScreen, true);
    EXPECT_EQ(restore.windowState, c.state);
    EXPECT_EQ(restore.minimiseApplication, c.minimised);
    // Without an application window a minimised one simply comes up normal.
    const FormRestore alone = Main().Restore(Designed(), kScreen, false);
    EXPECT_EQ(alone.windowState, c.state);
    EXPECT_FALSE(alone.minimiseApplication);
  }
}

TEST_F(FormStorageTest, TheLocatorMapRestoresItsPositionOnly) {
  StoreMainValues();
  store.keys[kMapKey] = store.keys[kMainKey];
  FormStorage map = Map();
  const FormRestore restore = map.Restore(Designed(), kScreen, true);
  EXPECT_TRUE(restore.placement);
  EXPECT_FALSE(restore.windowState);
  EXPECT_FALSE(map.StoredValue("CurrentBand"));
}

TEST_F(FormStorageTest, CurrentBandComesBackAsText) {
  struct Case {
    const char* stored;  // nullptr: absent
    const char* text;
    bool isInteger;
    int value;
  } cases[] = {
      {"5", "5", true, 5},    {"0", "0", true, 0},      {"12", "12", true, 12},
      {"-2", "-2", true, -2}, {nullptr, "3", true, 3},  {"abc", "abc", false, 0},
      {"", "", false, 0},     {"5.0", "5.0", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "absent");
    StoreMainValues();
    if (c.stored) {
      store.keys[kMainKey]["CurrentBand"] = c.stored;
    } else {
      store.keys[kMainKey].erase("CurrentBand");
    }
    FormStorage storage = Main();
    storage.SetStoredValue("CurrentBand", "3");  // the value's present text is the default
    storage.Restore(Designed(), kScreen, true);
    EXPECT_EQ(storage.StoredValue("CurrentBand"), c.text);
    if (c.isInteger) {
      EXPECT_EQ(storage.StoredValueAsInteger("CurrentBand"), c.value);
      continue;
    }
    try {
      storage.StoredValueAsInteger("CurrentBand");
      FAIL() << "no error";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), "'" + std::string(c.text) + "' is not a valid integer value");
    }
  }
}

TEST_F(FormStorageTest, StoredValuesAreReadAndSetByNameInMemory) {
  FormStorage storage = Main();
  EXPECT_EQ(storage.StoredValue("CurrentBand"), "0");
  EXPECT_FALSE(storage.StoredValue("Other"));
  EXPECT_THROW(storage.StoredValueAsInteger("Other"), std::runtime_error);

  storage.SetStoredValue("CurrentBand", "9");
  storage.SetStoredValue("Other", "1");
  EXPECT_EQ(storage.StoredValue("CurrentBand"), "9");
  EXPECT_EQ(storage.StoredValue("Other"), "1");
  EXPECT_TRUE(store.writes.empty());
}
