// The locator map window: first built in this process on a worked-field list and a statistics
// window's settings held in memory, then as a host meets it, through Marovinta.dll's statistics
// window and its "Loc" button. What the map draws is read through its custom-draw handler: the
// tests send it the notification the list view sends before drawing an item.
#include "ui/loc_list_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "testing/message_box_closer_win.h"
#include "testing/plugin_fixture_win.h"
#include "ui/memory_settings_store.h"

namespace {
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

HWND ButtonWithText(HWND window, const std::string& text) {
  for (HWND button : Descendants(window, "Button")) {
    if (WindowText(button) == text) {
      return button;
    }
  }
  return nullptr;
}

void Click(HWND window, const std::string& buttonText) {
  const HWND button = ButtonWithText(window, buttonText);
  ASSERT_NE(button, nullptr) << buttonText;
  SendMessageA(button, BM_CLICK, 0, 0);
}

HWND ListOf(HWND map) {
  return FindWindowExA(map, nullptr, WC_LISTVIEWA, nullptr);
}

RECT BoundsIn(HWND window, HWND parent) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

// The band buttons from left to right.
std::vector<HWND> BandButtonsLeftToRight(HWND map) {
  std::vector<HWND> buttons = Descendants(map, "Button");
  std::sort(buttons.begin(), buttons.end(),
            [map](HWND a, HWND b) { return BoundsIn(a, map).left < BoundsIn(b, map).left; });
  return buttons;
}

// The captions of the band buttons that are down, left to right.
std::string DownBands(HWND map) {
  std::string down;
  for (HWND button : BandButtonsLeftToRight(map)) {
    if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      down += (down.empty() ? "" : " ") + WindowText(button);
    }
  }
  return down;
}

std::string ItemText(HWND list, int index) {
  char text[16] = "";
  LVITEMA item = {};
  item.iSubItem = 0;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

int ItemIndex(HWND list, const std::string& caption) {
  LVFINDINFOA find = {};
  find.flags = LVFI_STRING;
  find.psz = caption.c_str();
  return static_cast<int>(SendMessageA(list, LVM_FINDITEMA, -1, reinterpret_cast<LPARAM>(&find)));
}

// The items where the list control places them: each column holds the 18 fields of one first
// letter, A at the left, with R at the top; the rows line up across the columns.
void ExpectOneColumnPerFirstLetter(HWND list) {
  constexpr int kRows = 18;
  std::vector<POINT> at(324);
  for (int i = 0; i < 324; ++i) {
    SendMessageA(list, LVM_GETITEMPOSITION, i, reinterpret_cast<LPARAM>(&at[i]));
  }
  for (int i = 0; i < 324; ++i) {
    SCOPED_TRACE(ItemText(list, i));
    const int column = i / kRows;
    const int row = i % kRows;
    ASSERT_EQ(at[i].x, at[column * kRows].x);
    ASSERT_EQ(at[i].y, at[row].y);
    if (row > 0) {
      ASSERT_GT(at[i].y, at[i - 1].y);
    }
    if (column > 0) {
      ASSERT_GT(at[i].x, at[i - kRows].x);
    }
  }
}

struct DrawnItem {
  LRESULT result;
  COLORREF color;
  bool underlined;
  std::string face;
};

// Asks the map, as its list view does, how to draw the item with the caption, on a device
// context that holds another font; returns the colour chosen and the font left selected.
DrawnItem DrawItem(HWND map, const std::string& caption, UINT itemState = 0) {
  const HWND list = ListOf(map);
  const HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  NMLVCUSTOMDRAW draw = {};
  draw.nmcd.hdr.hwndFrom = list;
  draw.nmcd.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  draw.nmcd.hdr.code = NM_CUSTOMDRAW;
  draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
  draw.nmcd.hdc = dc;
  draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(ItemIndex(list, caption));
  draw.nmcd.uItemState = itemState;
  draw.clrText = RGB(12, 34, 56);
  const LRESULT result =
      SendMessageA(map, WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
  LOGFONTA font = {};
  GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
  DeleteDC(dc);
  return {result, draw.clrText, font.lfUnderline != 0, font.lfFaceName};
}

void ExpectWorked(HWND map, const std::string& caption) {
  SCOPED_TRACE(caption + " worked");
  const DrawnItem item = DrawItem(map, caption);
  EXPECT_EQ(item.result, CDRF_NEWFONT);
  EXPECT_EQ(item.color, kBlue);
  EXPECT_TRUE(item.underlined);
  EXPECT_EQ(item.face, "MS Sans Serif");
}

void ExpectOpen(HWND map, const std::string& caption) {
  SCOPED_TRACE(caption + " open");
  const DrawnItem item = DrawItem(map, caption);
  EXPECT_EQ(item.color, kBlack);
  EXPECT_FALSE(item.underlined);
  EXPECT_EQ(item.face, "MS Sans Serif");
}

// The map on its own: worked fields and the statistics window's stored "CurrentBand" in memory.
class LocListTest : public testing::Test {
 protected:
  void TearDown() override {
    if (openMap != nullptr) {
      openMap->DestroyWithOwner();
    }
    PumpMessages();
    EXPECT_EQ(boxes.Texts(), expectedBoxes);
  }

  HWND Open(const std::string& currentBand) {
    mainStorage.SetStoredValue("CurrentBand", currentBand);
    TfmLocList::Create(worked, mainStorage, openMap);
    return openMap != nullptr ? openMap->Handle() : nullptr;
  }

  std::string StoredBand() const { return mainStorage.StoredValue("CurrentBand").value_or("?"); }

  MessageBoxCloser boxes;
  std::vector<std::string> expectedBoxes;
  WorkedFieldList worked;
  MemorySettingsStore store;
  FormStorage mainStorage{store, "Host", kMainFormStorageOptions};
  TfmLocList* openMap = nullptr;  // the statistics window's reference to its map
};
}  // namespace

TEST_F(LocListTest, IsAnOwnerlessTopmostFrameAtItsDesignedPlace) {
  const HWND map = Open("0");
  ASSERT_NE(map, nullptr);

  EXPECT_EQ(ClassName(map), "TfmLocList");
  EXPECT_EQ(WindowText(map), "Loc");
  EXPECT_EQ(GetWindow(map, GW_OWNER), nullptr);
  const LONG style = GetWindowLongA(map, GWL_STYLE);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_TRUE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetWindowLongA(map, GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT frame;
  GetWindowRect(map, &frame);
  EXPECT_EQ(frame.left, 505);
  EXPECT_EQ(frame.top, 164);
  EXPECT_EQ(frame.right - frame.left, 548);
  EXPECT_EQ(frame.bottom - frame.top, 372);
}

TEST_F(LocListTest, ListsTheFieldsColumnByColumnInABorderlessDoubleBufferedListView) {
  const HWND list = ListOf(Open("0"));
  ASSERT_NE(list, nullptr);

  const LONG style = GetWindowLongA(list, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_LIST);
  EXPECT_FALSE(style & (WS_BORDER | WS_TABSTOP));
  EXPECT_FALSE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_DOUBLEBUFFER);
  ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 324);
  EXPECT_EQ(ItemText(list, 0), "AR");
  EXPECT_EQ(ItemText(list, 1), "AQ");
  EXPECT_EQ(ItemText(list, 17), "AA");
  EXPECT_EQ(ItemText(list, 18), "BR");
  EXPECT_EQ(ItemText(list, 323), "RA");
}

// The map reads as the grid of fields at its designed size and at any height that shows 18 rows
// of text, whatever row height that leaves.
TEST_F(LocListTest, EachColumnHoldsTheEighteenFieldsOfOneFirstLetter) {
  const HWND map = Open("0");
  const HWND list = ListOf(map);
  {
    SCOPED_TRACE("designed size");
    ExpectOneColumnPerFirstLetter(list);
  }
  RECT frame;
  GetWindowRect(map, &frame);
  RECT client;
  GetClientRect(map, &client);
  const int listTop = BoundsIn(list, map).top;
  // The list's height beyond what it keeps free of items (a scroll bar and two pixels).
  const int reserved = GetSystemMetrics(SM_CYHSCROLL) + 2;
  struct {
    const char* name;
    int itemsHeight;  // what the list may give its items
  } const cases[] = {
      {"taller", 408},
      {"19 rows of 17 pixels", 323},
      {"between 18 and 19 rows of any height", 305},
      {"18 rows of text exactly", 18 * 13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const int clientHeight = listTop + reserved + c.itemsHeight;
    SetWindowPos(map, nullptr, 0, 0, frame.right - frame.left + 40,
                 frame.bottom - frame.top - client.bottom + clientHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ExpectOneColumnPerFirstLetter(list);
    // Any pixels the list gives up lie below it, fewer than a row.
    EXPECT_GT(BoundsIn(list, map).bottom, clientHeight - 13);
  }
  SetWindowPos(map, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(LocListTest, TheBandButtonsLieAcrossTheTopStripWithTenLast) {
  const HWND map = Open("0");
  const std::vector<HWND> buttons = BandButtonsLeftToRight(map);
  ASSERT_EQ(buttons.size(), 9u);
  std::string strip;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    strip += WindowText(buttons[i]) + " ";
    EXPECT_EQ(GetDlgCtrlID(buttons[i]), kBandButtonTags[i]);  // the Tag
    EXPECT_FALSE(GetWindowLongA(buttons[i], GWL_STYLE) & WS_TABSTOP);
  }
  EXPECT_EQ(strip, "1.8 3.5 7 14 18 21 24 28 10 ");

  // The strip is 18 high across the top; the list fills the rest.
  const HWND panel = GetParent(buttons[0]);
  RECT client;
  GetClientRect(map, &client);
  const RECT panelBounds = BoundsIn(panel, map);
  const RECT listBounds = BoundsIn(ListOf(map), map);
  EXPECT_EQ(panelBounds.top, 0);
  EXPECT_EQ(panelBounds.bottom, 18);
  EXPECT_EQ(panelBounds.right - panelBounds.left, client.right);
  EXPECT_EQ(listBounds.top, 18);
  EXPECT_EQ(listBounds.bottom, client.bottom);
  EXPECT_EQ(listBounds.right, client.right);

  // The strip lays the buttons out whenever its size changes: one 540 wide gives buttons 60 wide
  // and a last one 56 wide, one 100 wide 11 and 8.
  struct {
    int stripWidth;
    int width;
    int lastWidth;
  } const cases[] = {{540, 60, 56}, {100, 11, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stripWidth);
    MoveWindow(panel, 0, 0, c.stripWidth, 18, TRUE);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      SCOPED_TRACE(i);
      const RECT bounds = BoundsIn(buttons[i], panel);
      EXPECT_EQ(bounds.left, static_cast<int>(i) * c.width);
      EXPECT_EQ(bounds.top, 0);
      EXPECT_EQ(bounds.bottom, 17);
      EXPECT_EQ(bounds.right - bounds.left, i + 1 < buttons.size() ? c.width : c.lastWidth);
    }
  }

  // A change of the window's width sizes the strip: the last button ends 4 pixels inside it.
  RECT frame;
  GetWindowRect(map, &frame);
  const int frameWidth = (frame.right - frame.left) - client.right;
  SetWindowPos(map, nullptr, 0, 0, 300 + frameWidth, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(BoundsIn(panel, map).right, 300);
  EXPECT_EQ(BoundsIn(buttons.back(), panel).right, 296);
  // Back as designed, so that the placement the map saves is the designed one.
  SetWindowPos(map, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(LocListTest, OpensOnTheStoredBand) {
  worked.Add("7JN");
  worked.Add("10KO");
  worked.Add("KN");  // recorded with an empty band text
  struct {
    const char* stored;
    const char* down;
    const char* highlighted;  // the one of JN, KO and KN drawn as worked, if any
  } const cases[] = {
      {"3", "7", "JN"},
      {"4", "10", "KO"},
      {"0", "10", "KN"},  // nothing stored yet: no band, so the bare fields are the keys
      {"12", "10", "KN"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    const HWND map = Open(c.stored);
    EXPECT_TRUE(IsWindowVisible(map));
    EXPECT_EQ(DownBands(map), c.down);
    for (const char* field : {"JN", "KO", "KN"}) {
      if (std::string(field) == c.highlighted) {
        ExpectWorked(map, field);
      } else {
        ExpectOpen(map, field);
      }
    }
    EXPECT_EQ(StoredBand(), c.stored);
    openMap->DestroyWithOwner();
    EXPECT_EQ(openMap, nullptr);
  }
}

TEST_F(LocListTest, AStoredBandThatIsNoNumberIsReportedAndTheMapShowsNoBand) {
  worked.Add("14KO");
  expectedBoxes = {"'x1' is not a valid integer value"};

  const HWND map = Open("x1");

  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(IsWindowVisible(map));
  EXPECT_EQ(DownBands(map), "10");
  ExpectOpen(map, "KO");
  EXPECT_EQ(StoredBand(), "x1");
}

TEST_F(LocListTest, PressingABandButtonPutsItAloneDownAndStoresItsBand) {
  worked.Add("14ko");
  worked.Add("7KN");
  const HWND map = Open("0");

  Click(map, "14");
  EXPECT_EQ(DownBands(map), "14");
  EXPECT_EQ(StoredBand(), "5");
  ExpectWorked(map, "KO");
  ExpectOpen(map, "KN");

  // Pressing the button that is down stores its band again.
  mainStorage.SetStoredValue("CurrentBand", "9");
  Click(map, "14");
  EXPECT_EQ(DownBands(map), "14");
  EXPECT_EQ(StoredBand(), "5");

  Click(map, "7");
  EXPECT_EQ(DownBands(map), "7");
  EXPECT_EQ(StoredBand(), "3");
  ExpectOpen(map, "KO");
  ExpectWorked(map, "KN");

  Click(map, "10");
  EXPECT_EQ(DownBands(map), "10");
  EXPECT_EQ(StoredBand(), "4");
  ExpectOpen(map, "KN");
}

TEST_F(LocListTest, SelectBandOutsideTheNineKeepsTheBandShownAndStoresTheIndex) {
  worked.Add("21PM");
  const HWND map = Open("7");
  EXPECT_EQ(DownBands(map), "21");

  openMap->SelectBand(0);

  EXPECT_EQ(DownBands(map), "21");
  ExpectWorked(map, "PM");
  EXPECT_EQ(StoredBand(), "0");
}

TEST_F(LocListTest, TheItemsStateDoesNotChangeItsLook) {
  worked.Add("14KO");
  const HWND map = Open("5");
  for (const UINT state : {0u, UINT{CDIS_SELECTED | CDIS_FOCUS}, UINT{CDIS_HOT}}) {
    SCOPED_TRACE(state);
    const DrawnItem worked = DrawItem(map, "KO", state);
    EXPECT_EQ(worked.color, kBlue);
    EXPECT_TRUE(worked.underlined);
    const DrawnItem open = DrawItem(map, "KN", state);
    EXPECT_EQ(open.color, kBlack);
    EXPECT_FALSE(open.underlined);
  }
}

TEST_F(LocListTest, ItsCloseCommandsCloseItAndMinimisingKeepsIt) {
  struct {
    const char* how;
    UINT message;
    WPARAM command;
  } const closes[] = {{"close message", WM_CLOSE, 0}, {"close command", WM_SYSCOMMAND, SC_CLOSE}};
  for (const auto& c : closes) {
    SCOPED_TRACE(c.how);
    const HWND map = Open("0");
    SendMessageA(map, c.message, c.command, 0);
    EXPECT_EQ(openMap, nullptr);
    EXPECT_FALSE(IsWindowVisible(map));
    PumpMessages();  // the release request
    EXPECT_FALSE(IsWindow(map));
  }

  const HWND map = Open("0");
  SendMessageA(map, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(map));
  ASSERT_NE(openMap, nullptr);
  EXPECT_EQ(openMap->Handle(), map);
  SendMessageA(map, WM_SYSCOMMAND, SC_RESTORE, 0);
}

// Closing a closed map again, before its release request has come, must not make the map that
// has opened since unknown.
TEST_F(LocListTest, ClosingAClosedMapAgainKeepsTheNewMap) {
  const HWND first = Open("0");
  SendMessageA(first, WM_CLOSE, 0, 0);
  const HWND second = Open("0");
  SendMessageA(first, WM_CLOSE, 0, 0);
  PumpMessages();

  EXPECT_FALSE(IsWindow(first));
  ASSERT_NE(openMap, nullptr);
  EXPECT_EQ(openMap->Handle(), second);
}

TEST_F(LocListTest, DestroyWithOwnerDestroysItAtOnce) {
  const HWND map = Open("0");
  openMap->DestroyWithOwner();
  EXPECT_FALSE(IsWindow(map));
  EXPECT_EQ(openMap, nullptr);
}

// Through the plug-in, as a host drives it.
TEST_F(PluginTest, LocOpensOneMapThatFollowsTheBandOfEachRecordedQSO) {
  const TContestData start = HostRecord();
  const HWND statistics = plugin.Run(0, &start);
  Click(statistics, "Loc");
  Click(statistics, "Loc");
  ASSERT_EQ(CountOwnWindows("TfmLocList"), 1);
  const HWND map = FindOwnWindow("TfmLocList");
  EXPECT_EQ(SendMessageA(ListOf(map), LVM_GETITEMCOUNT, 0, 0), 324);

  const TContestData on21 = QsoRecord("JA1ABC", "21", "CW", "599 PM95");
  plugin.AddQSO(&on21);
  EXPECT_EQ(DownBands(map), "21");
  ExpectWorked(map, "PM");

  const TContestData on50 = QsoRecord("UA3QRS", "50", "CW", "599 KO85");
  plugin.AddQSO(&on50);
  EXPECT_EQ(DownBands(map), "21");
  ExpectOpen(map, "KO");

  const TContestData on14 = QsoRecord("DL1AB", "14", "SSB", "59 KO72");
  plugin.AddQSO(&on14);
  EXPECT_EQ(DownBands(map), "14");
  ExpectWorked(map, "KO");
  ExpectOpen(map, "PM");
}

TEST_F(PluginTest, AClosedMapIsGoneAndLocOpensANewOneOnTheLastStoredBand) {
  const TContestData start = HostRecord();
  const HWND statistics = plugin.Run(0, &start);
  Click(statistics, "Loc");
  const HWND first = FindOwnWindow("TfmLocList");
  Click(first, "21");

  SendMessageA(first, WM_CLOSE, 0, 0);
  PumpMessages();
  EXPECT_EQ(CountOwnWindows("TfmLocList"), 0);
  // With the map closed a QSO moves nothing and stores no band.
  const TContestData on14 = QsoRecord("DL1AB", "14", "SSB", "59 KO72");
  EXPECT_EQ(plugin.AddQSO(&on14), 35);

  Click(statistics, "Loc");
  ASSERT_EQ(CountOwnWindows("TfmLocList"), 1);
  const HWND second = FindOwnWindow("TfmLocList");
  EXPECT_EQ(DownBands(second), "21");
  ExpectOpen(second, "KO");
}

TEST_F(PluginTest, ReleaseWithTheMapOpenDestroysBothWindows) {
  const TContestData start = HostRecord();
  Click(plugin.Run(0, &start), "Loc");
  ASSERT_EQ(CountOwnWindows("TfmLocList"), 1);

  plugin.Release();
  PumpMessages();

  EXPECT_EQ(CountOwnWindows("TfmMainForm"), 0);
  EXPECT_EQ(CountOwnWindows("TfmLocList"), 0);
  // A new statistics window opens a new map.
  Click(plugin.Run(0, &start), "Loc");
  EXPECT_EQ(CountOwnWindows("TfmLocList"), 1);
}

TEST_F(PluginTest, UnloadingWithTheMapOpenDestroysBothWindows) {
  const TContestData start = HostRecord();
  Click(plugin.Run(0, &start), "Loc");
  ASSERT_EQ(CountOwnWindows("TfmLocList"), 1);

  plugin.Unload();

  EXPECT_EQ(CountOwnWindows("TfmMainForm"), 0);
  EXPECT_EQ(CountOwnWindows("TfmLocList"), 0);
}

// A host may release the plug-in and end before its message loop destroys the windows, or the
// session may end: the registry holds at once what the destruction saves.
TEST_F(PluginTest, AReleaseOrTheEndOfTheSessionSavesBothWindowsAtOnce) {
  const std::string mapKey = std::string(kHostKey) + "\\TfmLocList";
  const auto stored = [](const std::map<std::string, RegistryValue>& values,
                         const std::string& name) {
    const auto it = values.find(name);
    return it == values.end() ? "(absent)" : it->second.text;
  };
  const auto frameOf = [](HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    return std::to_string(frame.left) + "," + std::to_string(frame.top) + "," +
           std::to_string(frame.right) + "," + std::to_string(frame.bottom);
  };
  const TContestData start = HostRecord();
  for (bool release : {true, false}) {
    SCOPED_TRACE(release ? "_Release" : "end of the session");
    RegDeleteTreeA(HKEY_CURRENT_USER, kHostKey);
    const HWND statistics = plugin.Run(0, &start);
    SetWindowPos(statistics, nullptr, 100, 120, 400, 250, SWP_NOZORDER);
    Click(statistics, "Loc");
    const HWND map = FindOwnWindow("TfmLocList");
    Click(map, "14");
    SetWindowPos(map, nullptr, 30, 40, 560, 380, SWP_NOZORDER);

    if (release) {
      plugin.Release();
    } else {
      SendMessageA(statistics, WM_ENDSESSION, FALSE, 0);  // the end was called off
      EXPECT_TRUE(RegistryValues(kMainFormKey).empty());
      SendMessageA(statistics, WM_ENDSESSION, TRUE, 0);
    }
    const auto mainValues = RegistryValues(kMainFormKey);
    const auto mapValues = RegistryValues(mapKey);
    EXPECT_EQ(stored(mainValues, "NormPos"), "100,120,500,370");
    EXPECT_EQ(stored(mainValues, "CurrentBand"), "5");
    EXPECT_EQ(stored(mapValues, "NormPos"), "30,40,590,420");

    if (release) {
      // The next start finds them where they were left (the released windows go as it rebuilds).
      const HWND next = plugin.Run(0, &start);
      EXPECT_EQ(frameOf(next), "100,120,500,370");
      Click(next, "Loc");
      const HWND nextMap = FindOwnWindow("TfmLocList");
      EXPECT_EQ(frameOf(nextMap), "30,40,590,420");
      EXPECT_EQ(DownBands(nextMap), "14");
    }
    plugin.Release();
    PumpMessages();
    EXPECT_EQ(RegistryValues(kMainFormKey), mainValues);
    EXPECT_EQ(RegistryValues(mapKey), mapValues);
  }
}
