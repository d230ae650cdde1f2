// The entry points as a host sees them: Marovinta.dll loaded by name, called through the
// addresses of its exports.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "host/plugin_error_guard_win.h"
#include "testing/plugin_fixture_win.h"

namespace {
constexpr char kEmptyReport[] = " Score: 0 + (0 * 100) =0";

const BYTE* ImageBase(HMODULE module) {
  return reinterpret_cast<const BYTE*>(module);
}

const IMAGE_DATA_DIRECTORY& Directory(HMODULE module, int entry) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(ImageBase(module) + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[entry];
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The report as a Unicode host reads it.
std::wstring WideMemoText(HWND statisticsWindow) {
  const HWND memo = FindWindowExW(statisticsWindow, nullptr, L"Edit", nullptr);
  std::wstring text(static_cast<std::size_t>(SendMessageW(memo, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(memo, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}
}  // namespace

TEST_F(PluginTest, ExportsExactlyTheSixEntryPointsByNameAndOrdinal) {
  const BYTE* base = ImageBase(plugin.Module());
  const auto& exports = *reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      base + Directory(plugin.Module(), IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports.AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(base + exports.AddressOfNameOrdinals);
  std::map<std::string, DWORD> found;
  for (DWORD i = 0; i < exports.NumberOfNames; ++i) {
    found[reinterpret_cast<const char*>(base + names[i])] = exports.Base + ordinals[i];
  }

  const std::map<std::string, DWORD> expected = {{"_GrabNumber", 1}, {"_Release", 2},
                                                 {"_GetScore", 3},   {"_AddQSO", 4},
                                                 {"_Run", 5},        {"_GetInfo", 6}};
  EXPECT_EQ(found, expected);
  EXPECT_EQ(exports.NumberOfFunctions, 6u);
  EXPECT_STREQ(reinterpret_cast<const char*>(base + exports.Name), "Marovinta.dll");
}

TEST_F(PluginTest, ImportsOnlySystemLibraries) {
  const BYTE* base = ImageBase(plugin.Module());
  const auto* imports = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
      base + Directory(plugin.Module(), IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
  for (; imports->Name != 0; ++imports) {
    std::string name = reinterpret_cast<const char*>(base + imports->Name);
    CharLowerA(name.data());
    // The compiler's own run time (libstdc++, libgcc, winpthread) is linked in, not imported.
    EXPECT_NE(name.rfind("lib", 0), 0u) << name;
  }
}

TEST_F(PluginTest, GetInfoWritesExactlyItsThirtyNineBytes) {
  BYTE buffer[600];
  std::memset(buffer, 0xA5, sizeof buffer);
  plugin.GetInfo(reinterpret_cast<TPluginInfo*>(buffer));

  const auto& info = *reinterpret_cast<const TPluginInfo*>(buffer);
  EXPECT_EQ(info.PluginName.Read(), "Stats Marovinta");
  EXPECT_EQ(info.NameFlag, 1);
  EXPECT_EQ(info.PluginKind.Read(), "qelvor_contest");
  EXPECT_EQ(info.KindFlag, 1);
  const auto written = [](std::size_t at) {
    return at <= 15 || (at >= 256 && at <= 274) || (at >= 516 && at <= 519);
  };
  for (std::size_t at = 0; at < sizeof buffer; ++at) {
    if (!written(at)) {
      ASSERT_EQ(buffer[at], 0xA5) << "byte " << at;
    }
  }
}

TEST_F(PluginTest, GrabNumberWritesOnlyTheLengthByteWithOrWithoutAWindow) {
  const TContestData record = HostRecord();
  for (bool window : {false, true}) {
    SCOPED_TRACE(window ? "with a window" : "without a window");
    if (window) {
      ASSERT_NE(plugin.Run(0, &record), nullptr);
    }
    ShortString number;
    std::memset(number.bytes, 'x', sizeof number.bytes);
    number.bytes[0] = 7;
    plugin.GrabNumber(&record, &number);

    EXPECT_EQ(number.bytes[0], 0);
    for (std::size_t at = 1; at < sizeof number.bytes; ++at) {
      ASSERT_EQ(number.bytes[at], 'x') << "byte " << at;
    }
  }
}

TEST_F(PluginTest, AddQSOAndGetScoreReturnZeroWithoutAWindowAndLeaveTheRecordAlone) {
  const TContestData record = QsoRecord("DL1AB", "14", "CW", "599 KO72", "KO72");
  const TContestData before = record;

  EXPECT_EQ(plugin.AddQSO(&record), 0);
  EXPECT_EQ(plugin.GetScore(&record), 0);
  EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);

  // The same after a window has come and gone.
  const TContestData start = HostRecord();
  ASSERT_NE(plugin.Run(0, &start), nullptr);
  plugin.Release();
  EXPECT_EQ(plugin.AddQSO(&record), 0);
  EXPECT_EQ(plugin.GetScore(&record), 0);
}

TEST_F(PluginTest, RunOpensOneWindowAndReturnsItsHandleEachTime) {
  const TContestData first = HostRecord();
  TContestData second = HostRecord();
  second.TitleText.Write("Other");

  const HWND window = plugin.Run(0, &first);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(plugin.Run(12345, &second), window);
  EXPECT_EQ(CountOwnWindows("TfmMainForm"), 1);

  // The second record reached no window: the caption is still the first one's.
  EXPECT_EQ(WindowText(window), "Field Day in Marovinta");
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(PluginTest, AddQSOScoresAndRewritesTheReportEvenForADuplicate) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(EndsWith(MemoText(window), kEmptyReport)) << MemoText(window);

  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&qso), 35);  // 1908 km
  const std::string report = MemoText(window);
  EXPECT_TRUE(EndsWith(report, " Score: 35 + (1 * 100) =135")) << report;

  SetMemoText(window, "typed over");
  EXPECT_EQ(plugin.AddQSO(&qso), -1);
  EXPECT_EQ(MemoText(window), report);
}

// A NUL in a band text would end the memo's text there for the rest of the session.
TEST_F(PluginTest, AHostileBandTextNeverHidesTheReport) {
  std::string everyByte;
  for (int code = 0; code < 255; ++code) {
    everyByte.push_back(static_cast<char>(code));
  }
  struct {
    const char* name;
    std::string band;
    std::string shown;  // in the report's band column
  } const cases[] = {
      {"a NUL", std::string("1\0004", 3), "\r\n  1?4\t"},
      // Codes 0 to 31 with the tab among them, then the printable ones.
      {"255 bytes of every kind", everyByte,
       "\r\n?????????\t" + std::string(22, '?') + " !\"#$%&'()*+,"},
  };
  const TContestData start = HostRecord();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = plugin.Run(0, &start);
    const TContestData hostile = QsoRecord("DL1AB", c.band, "CW", "599 KO72");
    const TContestData normal = QsoRecord("W1AW", "14", "CW", "599 FN31");
    ASSERT_EQ(plugin.AddQSO(&hostile), 35);
    ASSERT_EQ(plugin.AddQSO(&normal), 52);

    const std::string report = MemoText(window);
    EXPECT_TRUE(EndsWith(report, " Score: 87 + (2 * 100) =287")) << report;
    EXPECT_NE(report.find(c.shown), std::string::npos) << report;
    plugin.Release();
    PumpMessages();
  }
}

TEST_F(PluginTest, TheReportOfABurstIsReadAtOnceInEitherCharacterSetAndStaysWhenTheLoopRuns) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  PumpMessages();

  for (const char* call : {"DL1AB", "OK1XY", "SP2QQ"}) {
    const TContestData qso = QsoRecord(call, "14", "CW", "599 KO72");
    ASSERT_EQ(plugin.AddQSO(&qso), 35);
  }
  const std::string report = MemoText(window);
  EXPECT_TRUE(EndsWith(report, " Score: 105 + (1 * 100) =205")) << report;
  EXPECT_EQ(WideMemoText(window), std::wstring(report.begin(), report.end()));

  PumpMessages();  // the control takes the report
  EXPECT_EQ(MemoText(window), report);
  EXPECT_EQ(WideMemoText(window), std::wstring(report.begin(), report.end()));
}

TEST_F(PluginTest, GetScoreProbesWithoutRecordingOrRewritingTheReport) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  ASSERT_EQ(plugin.AddQSO(&qso), 35);
  SetMemoText(window, "typed over");

  struct {
    TContestData record;
    std::int32_t points;
  } const cases[] = {
      {QsoRecord("DL1AB", "14", "CW", "", "KO72"), -1},   // the duplicate
      {QsoRecord("W1AW", "14", "CW", "", "FN31"), 152},   // 5912 km, new field
      {QsoRecord("W1AW", "14", "CW", "", "FN31"), 152},   // still not recorded
      {QsoRecord("UA3AA", "14", "SSB", "", "KO72"), 35},  // field already worked on 14
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record.CallSign.Read() + " " + c.record.ProbeLocator.Read());
    EXPECT_EQ(plugin.GetScore(&c.record), c.points);
  }
  EXPECT_EQ(MemoText(window), "typed over");
}

// Letter case of a band text counts as little as that of a field, in the host's code page
// (Windows-1252 in the tests) as in a to z.
TEST_F(PluginTest, WorkedFieldsIgnoreLetterCaseAsTheHostsCodePageHasIt) {
  ASSERT_EQ(GetACP(), 1252u);
  const TContestData start = HostRecord();
  ASSERT_NE(plugin.Run(0, &start), nullptr);
  const TContestData qso = QsoRecord("DL1AB", "6\xC9", "CW", "599 KO72");  // E acute
  ASSERT_EQ(plugin.AddQSO(&qso), 35);

  struct {
    const char* band;
    std::int32_t points;
  } const cases[] = {{"6\xE9", 35}, {"6\xC9", 35}, {"6E", 135}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.band);
    const TContestData probe = QsoRecord("W1AW", c.band, "CW", "", "ko72");
    EXPECT_EQ(plugin.GetScore(&probe), c.points);
  }
}

TEST_F(PluginTest, AComponentFailureReachesTheHostAsAStructuredException) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);

  const TContestData probe = QsoRecord("DL1AB", "14", "CW", "", "ZZ00");
  std::int32_t result = 7;
  const auto error = CatchPluginError([&] { result = plugin.GetScore(&probe); });

  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->code, 0xE04D5256u);
  EXPECT_EQ(error->flags & EXCEPTION_NONCONTINUABLE, static_cast<DWORD>(EXCEPTION_NONCONTINUABLE));
  EXPECT_EQ(error->argumentCount, 1u);
  EXPECT_EQ(error->message, "Invalid locator 'ZZ00'");
  EXPECT_EQ(result, 7);

  // The plug-in goes on working.
  const TContestData good = QsoRecord("DL1AB", "14", "CW", "", "KO72");
  EXPECT_EQ(plugin.GetScore(&good), 135);
}

TEST_F(PluginTest, AFailedAddQSOLeavesTheReportAsItWasAndItsRetryScores) {
  // The own square is checked at every distance: an invalid one fails each recorded QSO.
  TContestData start = HostRecord();
  start.OwnLocator.Write("ZZ99");
  expectedBoxes = {"Invalid locator 'ZZ99'"};  // from the creation event
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  SetMemoText(window, "typed over");

  TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  qso.OwnLocator.Write("ZZ99");
  const auto error = CatchPluginError([&] { plugin.AddQSO(&qso); });

  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->message, "Invalid locator 'ZZ99'");
  EXPECT_EQ(MemoText(window), "typed over");

  // The QSO was not scored, so it left no trace: the host's retry scores it as new.
  qso.OwnLocator.Write("JO31");
  EXPECT_EQ(plugin.AddQSO(&qso), 35);
  EXPECT_TRUE(EndsWith(MemoText(window), " Score: 35 + (1 * 100) =135")) << MemoText(window);
}

TEST_F(PluginTest, ReleaseDestroysTheWindowWhenTheMessageLoopGetsToIt) {
  plugin.Release();  // without a window: nothing to do

  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  plugin.Release();
  plugin.Release();

  EXPECT_TRUE(IsWindow(window));
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  EXPECT_EQ(plugin.AddQSO(&qso), 0);
  PumpMessages();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(PluginTest, RunAfterReleaseStartsAfresh) {
  const TContestData start = HostRecord();
  const TContestData qso = QsoRecord("DL1AB", "14", "CW", "599 KO72");
  const HWND first = plugin.Run(0, &start);
  ASSERT_EQ(plugin.AddQSO(&qso), 35);
  plugin.Release();

  // Before the message loop has run: the old window still awaits its destruction.
  const HWND second = plugin.Run(0, &start);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(EndsWith(MemoText(second), kEmptyReport)) << MemoText(second);

  // The old window's end leaves the new one in place.
  PumpMessages();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindow(second));
  EXPECT_EQ(plugin.AddQSO(&qso), 35);
  EXPECT_EQ(plugin.AddQSO(&qso), -1);
}

TEST_F(PluginTest, NullPointersThatWouldBeReadCountAsNoCall) {
  const TContestData start = HostRecord();
  EXPECT_EQ(plugin.Run(0, nullptr), nullptr);
  EXPECT_EQ(CountOwnWindows("TfmMainForm"), 0);

  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  SetMemoText(window, "typed over");
  EXPECT_EQ(plugin.AddQSO(nullptr), 0);
  EXPECT_EQ(plugin.GetScore(nullptr), 0);
  plugin.GetInfo(nullptr);
  ShortString number;
  number.bytes[0] = 3;
  plugin.GrabNumber(nullptr, &number);
  EXPECT_EQ(number.bytes[0], 3);
  EXPECT_EQ(MemoText(window), "typed over");
}

// With the window open _Run does not read its record, and _GrabNumber has nothing to write into
// a missing number: neither pointer is needed then.
TEST_F(PluginTest, NullPointersThatWouldNotBeReadAreNoFault) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_HIDE);

  EXPECT_EQ(plugin.Run(0, nullptr), window);
  EXPECT_TRUE(IsWindowVisible(window));

  // The record is taken as the last one: the rebuild reads the log table it names.
  TContestData other = HostRecord();
  other.LogTable.Write("Missing");
  plugin.GrabNumber(&other, nullptr);
  Click(FindChild(window, "Button", "Recalc Statistic"));
  ASSERT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(boxes.Texts()[0].find("no such table: Missing"), std::string::npos) << boxes.Texts()[0];
  expectedBoxes = boxes.Texts();
}

using PluginUnload = HostTest;  // loads the library itself

TEST_F(PluginUnload, DestroysTheWindowsAndUnregistersTheClass) {
  for (bool released : {false, true}) {
    SCOPED_TRACE(released ? "released, not yet destroyed" : "never released");
    PluginLibrary plugin(kPluginFile);
    const TContestData start = HostRecord();
    const HWND window = plugin.Run(0, &start);
    ASSERT_NE(window, nullptr);
    if (released) {
      plugin.Release();
    }
    const HMODULE module = plugin.Module();
    plugin.Unload();

    EXPECT_EQ(GetModuleHandleA("Marovinta.dll"), nullptr);
    EXPECT_FALSE(IsWindow(window));
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    EXPECT_FALSE(GetClassInfoExA(module, "TfmMainForm", &windowClass));
    PumpMessages();  // a release request left behind finds no window
  }
}

// The unload runs under the loader lock, where a message box would run a message loop: an error
// of the windows it destroys is not shown.
TEST_F(PluginUnload, ShowsNoErrorOfTheWindowsItDestroys) {
  MakeVolatileKey(kHostKey);  // the statistics window cannot save its settings
  PluginLibrary plugin(kPluginFile);
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);

  plugin.Unload();

  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{});
}
