// The statistics window as _Run opens it.
#include <gtest/gtest.h>
#include <windows.h>

#include "scoring/report.h"
#include "testing/plugin_fixture_win.h"

TEST_F(PluginTest, TheStatisticsWindowIsAnOwnerlessTopmostFrameAtItsDesignedPlace) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(ClassName(window), "TfmMainForm");
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);

  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.left, 579);
  EXPECT_EQ(frame.top, 167);
  EXPECT_EQ(frame.right - frame.left, 374);
  EXPECT_EQ(frame.bottom - frame.top, 196);
}

TEST_F(PluginTest, TheMemoIsAMultiLineEditFillingTheWindow) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  const HWND memo = FindWindowExA(window, nullptr, "Edit", nullptr);
  ASSERT_NE(memo, nullptr);

  EXPECT_TRUE(GetWindowLongA(memo, GWL_STYLE) & ES_MULTILINE);
  RECT client;
  RECT bounds;
  GetClientRect(window, &client);
  GetWindowRect(memo, &bounds);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
  EXPECT_EQ(bounds.left, client.left);
  EXPECT_EQ(bounds.top, client.top);
  EXPECT_EQ(bounds.right, client.right);
  EXPECT_EQ(bounds.bottom, client.bottom);
  // Shown means reported: the report of no QSOs.
  EXPECT_EQ(MemoText(window), StatisticReport({}));
}

TEST_F(PluginTest, TheCaptionIsTheTitleTextInMarovinta) {
  struct {
    const char* title;
    const char* caption;
  } const cases[] = {
      {"Field Day", "Field Day in Marovinta"},
      {"", " in Marovinta"},
      {" Spaced ", " Spaced  in Marovinta"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    TContestData start = HostRecord();
    start.TitleText.Write(c.title);
    const HWND window = plugin.Run(0, &start);
    EXPECT_EQ(WindowText(window), c.caption);
    plugin.Release();
    PumpMessages();
  }
}

TEST_F(PluginTest, AnErrorInTheCreationEventIsShownAndTheWindowStillOpens) {
  TContestData start = HostRecord();
  start.OwnLocator.Write("JO31XX9");  // not a locator: the own coordinates cannot be computed
  expectedBoxes = {"Invalid locator 'JO31XX9'"};

  const HWND window = plugin.Run(0, &start);

  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  // Scoring works: it takes the own square from the first four characters.
  TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  qso.OwnLocator.Write("JO31XX9");
  EXPECT_EQ(plugin.AddQSO(&qso), 35);
}
