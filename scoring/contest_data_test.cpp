#include "scoring/contest_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {
ShortString Filled(std::uint8_t length, char fill) {
  ShortString s;
  std::memset(s.bytes, fill, sizeof s.bytes);
  s.bytes[0] = length;
  return s;
}
}  // namespace

TEST(ShortString, ReadsExactlyItsLength) {
  EXPECT_EQ(Filled(0, 'x').Read(), "");
  EXPECT_EQ(Filled(3, 'x').Read(), "xxx");
  EXPECT_EQ(Filled(255, 'y').Read(), std::string(255, 'y'));
}

TEST(ShortString, WritingKeepsTheBytesAfterTheText) {
  ShortString s = Filled(10, 'o');
  s.Write("AB");
  EXPECT_EQ(s.bytes[0], 2);
  EXPECT_EQ(s.Read(), "AB");
  EXPECT_EQ(s.bytes[3], 'o');

  s.Write("");
  EXPECT_EQ(s.bytes[0], 0);
  EXPECT_EQ(s.bytes[1], 'A');
}

TEST(ShortString, WritingCutsTo255Characters) {
  ShortString s = Filled(0, 0);
  s.Write(std::string(255, 'a') + std::string(45, 'b'));
  EXPECT_EQ(s.Read(), std::string(255, 'a'));
}

TEST(PluginInfo, WritesExactlyItsThirtyNineBytes) {
  TPluginInfo info;
  std::memset(&info, 0xA5, sizeof info);
  FillPluginInfo(info);

  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&info);
  std::vector<int> changed;
  for (std::size_t i = 0; i < sizeof info; ++i) {
    if (bytes[i] != 0xA5) {
      changed.push_back(static_cast<int>(i));
    }
  }
  EXPECT_EQ(changed.size(), 39u);
  EXPECT_EQ(info.PluginName.Read(), "Stats Marovinta");
  EXPECT_EQ(info.PluginKind.Read(), "qelvor_contest");
  EXPECT_EQ(info.NameFlag, 1);
  EXPECT_EQ(info.KindFlag, 1);
  for (int i : changed) {
    const bool inName = i <= 15;
    const bool inNameFlag = i >= 256 && i < 260;
    const bool inKind = i >= 260 && i <= 274;
    const bool inKindFlag = i >= 516 && i < 520;
    EXPECT_TRUE(inName || inNameFlag || inKind || inKindFlag) << "byte " << i;
  }
}

// What the statistics window takes from a record tells two logs apart; the QSO's fields, the
// host's own stretches and the bytes after a text's length do not.
TEST(SameLog, ComparesTheConnectionAndTheTextsOfTheLogExactly) {
  TContestData window;
  std::memset(&window, 0x5A, sizeof window);
  window.Connection = 0x1000;
  window.LogTable.Write("Log");
  window.OwnLocator.Write("JO31");
  window.TitleText.Write("Field Day");
  struct {
    const char* name;
    void (*change)(TContestData&);
    bool same;
  } const cases[] = {
      {"another connection", [](TContestData& r) { r.Connection = 0x2000; }, false},
      {"another log table", [](TContestData& r) { r.LogTable.Write("Log2"); }, false},
      {"the table's name in capitals", [](TContestData& r) { r.LogTable.Write("LOG"); }, false},
      {"another own locator", [](TContestData& r) { r.OwnLocator.Write("JO31LK"); }, false},
      {"another title", [](TContestData& r) { r.TitleText.Write("Field Day 2"); }, false},
      {"a QSO", [](TContestData& r) { r.CallSign.Write("DL1AB"); }, true},
      {"the host's own stretches", [](TContestData& r) { std::memset(r.host5, 0, sizeof r.host5); },
       true},
      {"other bytes after the title",
       [](TContestData& r) { std::memset(r.TitleText.bytes + 10, 0, 246); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TContestData record = window;
    c.change(record);
    EXPECT_EQ(SameLog(window, record), c.same);
    EXPECT_EQ(SameLog(record, window), c.same);
  }
}
