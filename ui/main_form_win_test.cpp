// The statistics window as _Run opens it: its layout, its caption, its close commands and close
// path, and its settings in the registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

#include "scoring/report.h"
#include "testing/plugin_fixture_win.h"
#include "testing/posted_calls_win.h"

namespace {
constexpr WPARAM kCloseCommand = 0xF060;

RECT ClientBounds(HWND control, HWND window) {
  RECT bounds;
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

void ExpectBounds(const RECT& bounds, int left, int top, int right, int bottom) {
  EXPECT_EQ(bounds.left, left);
  EXPECT_EQ(bounds.top, top);
  EXPECT_EQ(bounds.right, right);
  EXPECT_EQ(bounds.bottom, bottom);
}

LOGFONTA FontOf(HWND control) {
  LOGFONTA font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  GetObjectA(handle, sizeof font, &font);
  return font;
}

std::string ScreenSuffix() {
  return "(" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
         std::to_string(GetSystemMetrics(SM_CYSCREEN)) + ")";
}

std::string StoredText(const std::string& name) {
  const auto values = RegistryValues(kMainFormKey);
  const auto it = values.find(name);
  return it == values.end() ? "(absent)" : it->second.text;
}
}  // namespace

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

TEST_F(PluginTest, TheMemoFillsTheWindowAboveAStripWhoseButtonsFollowTheRightEdge) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  const HWND memo = FindWindowExA(window, nullptr, "Edit", nullptr);
  const HWND recalc = FindChild(window, "Button", "Recalc Statistic");
  const HWND loc = FindChild(window, "Button", "Loc");
  ASSERT_NE(memo, nullptr);
  ASSERT_NE(recalc, nullptr);
  ASSERT_NE(loc, nullptr);
  const HWND strip = GetParent(recalc);
  EXPECT_EQ(GetParent(loc), strip);
  EXPECT_NE(strip, window);

  const LONG memoStyle = GetWindowLongA(memo, GWL_STYLE);
  EXPECT_TRUE(memoStyle & ES_MULTILINE);
  EXPECT_TRUE(memoStyle & ES_AUTOHSCROLL);  // no word wrap
  EXPECT_FALSE(memoStyle & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_FALSE(memoStyle & ES_READONLY);
  EXPECT_STREQ(FontOf(memo).lfFaceName, "Courier New");
  EXPECT_EQ(FontOf(memo).lfHeight, -11);
  EXPECT_STREQ(FontOf(recalc).lfFaceName, "MS Sans Serif");
  EXPECT_EQ(FontOf(recalc).lfHeight, -11);
  EXPECT_EQ(GetWindowLongA(recalc, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  ExpectBounds(ClientBounds(memo, window), 0, 0, width, height - 23);
  ExpectBounds(ClientBounds(strip, window), 0, height - 23, width, height);
  ExpectBounds(ClientBounds(recalc, strip), 153, 1, 153 + 130, 1 + 22);
  ExpectBounds(ClientBounds(loc, strip), 292, 1, 292 + 75, 1 + 22);

  // 100 pixels wider and 50 higher: the buttons move with the right edge, the memo grows.
  RECT frame;
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 50,
               SWP_NOMOVE | SWP_NOZORDER);
  ExpectBounds(ClientBounds(memo, window), 0, 0, width + 100, height + 50 - 23);
  ExpectBounds(ClientBounds(strip, window), 0, height + 50 - 23, width + 100, height + 50);
  ExpectBounds(ClientBounds(recalc, strip), 253, 1, 253 + 130, 1 + 22);
  ExpectBounds(ClientBounds(loc, strip), 392, 1, 392 + 75, 1 + 22);
}

// Seen before the show's rebuild empties it.
TEST_F(PluginTest, TheMemoStartsWithOneEmptyLine) {
  std::string beforeTheRebuild = "(not read)";
  PostedCalls calls;
  calls.Post([&] { beforeTheRebuild = MemoText(FindOwnWindow("TfmMainForm")); });
  const TContestData start = HostRecord();
  plugin.Run(0, &start);
  EXPECT_EQ(beforeTheRebuild, "\r\n");
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

TEST_F(PluginTest, TheTitleBarCloseCommandMinimisesAndThePluginKeepsScoring) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);

  SendMessageA(window, WM_SYSCOMMAND, kCloseCommand, 0);

  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(IsIconic(window));
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&qso), 35);
  EXPECT_EQ(MemoText(window), StatisticReport({{"14", 1, 35, 1}}));
  EXPECT_EQ(plugin.Run(0, &start), window);
  PumpMessages();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(RegistryValues(kMainFormKey).empty());  // minimising saves nothing
}

TEST_F(PluginTest, ACloseMessageOrAnyOtherCloseCodeClosesThroughTheClosePath) {
  struct {
    const char* name;
    UINT message;
    WPARAM wParam;
  } const cases[] = {
      {"WM_CLOSE", WM_CLOSE, 0},
      {"SC_CLOSE + 1", WM_SYSCOMMAND, kCloseCommand + 1},
      {"SC_CLOSE + 15", WM_SYSCOMMAND, kCloseCommand + 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TContestData start = HostRecord();
    const HWND window = plugin.Run(0, &start);
    const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
    ASSERT_EQ(plugin.AddQSO(&qso), 35);

    SendMessageA(window, c.message, c.wParam, 0);

    // Closed: hidden, settings saved, no window for the entry points; destroyed by the loop.
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(StoredText("Visible"), "0");
    EXPECT_EQ(plugin.AddQSO(&qso), 0);
    EXPECT_EQ(plugin.GetScore(&qso), 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(StoredText("Visible"), "0");  // not saved again at the destruction
    RegDeleteTreeA(HKEY_CURRENT_USER, kMainFormKey);
  }
}

TEST_F(PluginTest, ACloseQueryWithoutACloseLeavesThePluginWorking) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  ASSERT_EQ(plugin.AddQSO(&qso), 35);

  // The end of a Windows session asks every window; another program may then cancel it.
  EXPECT_TRUE(SendMessageA(window, WM_QUERYENDSESSION, 0, 0));

  EXPECT_EQ(plugin.AddQSO(&qso), -1);  // the worked list is still there
  EXPECT_EQ(MemoText(window), StatisticReport({{"14", 1, 35, 1}}));
}

TEST_F(PluginTest, ACloseSavesThePlacementAsStringsInTheHostsKey) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);

  SendMessageA(window, WM_CLOSE, 0, 0);

  const auto values = RegistryValues(kMainFormKey);
  const std::string minMax = StoredText("MinMaxPos");
  const std::map<std::string, RegistryValue> expected = {
      {"FormVersion", {REG_SZ, "0"}},
      {"Flags", {REG_SZ, "0"}},
      {"ShowCmd", {REG_SZ, "1"}},
      {"PixelsPerInch", {REG_SZ, "96"}},
      {"MinMaxPos" + ScreenSuffix(), {REG_SZ, minMax}},
      {"MinMaxPos", {REG_SZ, minMax}},
      {"NormPos" + ScreenSuffix(), {REG_SZ, "579,167,953,363"}},
      {"NormPos", {REG_SZ, "579,167,953,363"}},
      {"Visible", {REG_SZ, "0"}},
      {"CurrentBand", {REG_SZ, "0"}},
  };
  EXPECT_EQ(values, expected);
  EXPECT_EQ(std::count(minMax.begin(), minMax.end(), ','), 3) << minMax;
}

TEST_F(PluginTest, TheNextRunOpensWhereTheWindowWasLeft) {
  const TContestData start = HostRecord();
  HWND window = plugin.Run(0, &start);
  SetWindowPos(window, nullptr, 100, 120, 400, 250, SWP_NOZORDER);
  SendMessageA(window, WM_CLOSE, 0, 0);
  PumpMessages();

  window = plugin.Run(0, &start);

  RECT frame;
  GetWindowRect(window, &frame);
  ExpectBounds(frame, 100, 120, 500, 370);
  EXPECT_EQ(MemoText(window), StatisticReport({}));
}

TEST_F(PluginTest, AWindowSavedMinimisedComesBackNormal) {
  const TContestData start = HostRecord();
  HWND window = plugin.Run(0, &start);
  SendMessageA(window, WM_SYSCOMMAND, kCloseCommand, 0);
  ASSERT_TRUE(IsIconic(window));
  SendMessageA(window, WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_EQ(StoredText("ShowCmd"), std::to_string(SW_SHOWMINIMIZED));

  window = plugin.Run(0, &start);

  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_FALSE(IsIconic(window));
  RECT frame;
  GetWindowRect(window, &frame);
  ExpectBounds(frame, 579, 167, 953, 363);
}

TEST_F(PluginTest, AStoredPlacementComesBackOnlyAtTheSamePixelsPerInch) {
  struct {
    const char* name;
    std::map<std::string, std::string> stored;
    RECT frame;
  } const cases[] = {
      {"plain names", {{"PixelsPerInch", "96"}, {"NormPos", "10,20,410,320"}}, {10, 20, 410, 320}},
      {"no pixels per inch", {{"NormPos", "10,20,410,320"}}, {10, 20, 410, 320}},
      {"another pixels per inch",
       {{"PixelsPerInch", "120"}, {"NormPos", "10,20,410,320"}},
       {579, 167, 953, 363}},
      {"another screen size",
       {{"NormPos(640x480)", "30,40,330,240"}, {"NormPos", "10,20,410,320"}},
       {10, 20, 410, 320}},
      {"left not below right", {{"NormPos", "410,20,10,320"}}, {579, 167, 953, 363}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RegDeleteTreeA(HKEY_CURRENT_USER, kMainFormKey);
    for (const auto& [name, text] : c.stored) {
      WriteRegistryString(kMainFormKey, name, text);
    }
    const TContestData start = HostRecord();
    const HWND window = plugin.Run(0, &start);

    RECT frame;
    GetWindowRect(window, &frame);
    ExpectBounds(frame, c.frame.left, c.frame.top, c.frame.right, c.frame.bottom);
    plugin.Release();
    PumpMessages();
  }
}

TEST_F(PluginTest, LocTwiceOpensOneMapWindowThatGoesWithTheStatisticsWindow) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  const HWND loc = FindChild(window, "Button", "Loc");
  ASSERT_NE(loc, nullptr);

  Click(loc);
  Click(loc);

  EXPECT_EQ(CountOwnWindows("TfmLocList"), 1);
  const HWND map = FindOwnWindow("TfmLocList");
  EXPECT_EQ(WindowText(map), "Loc");
  EXPECT_TRUE(IsWindowVisible(map));
  plugin.Release();
  PumpMessages();
  EXPECT_EQ(CountOwnWindows("TfmLocList"), 0);
}

TEST_F(PluginTest, ASettingsErrorIsShownAndTheCloseGoesOn) {
  // A volatile host key takes no lasting subkey: the window's key cannot be created.
  MakeVolatileKey(kHostKey);
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);

  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(window));
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&qso), 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window));

  // Not saved on the close, so tried again at the destruction.
  const std::string error = "Failed to create key " + std::string(kMainFormKey);
  expectedBoxes = {error, error};
}
