// The fixtures of the tests that drive Marovinta.dll as a host does: a registry of the test's own,
// the host's log (empty until the test adds to it), message boxes closed by a second thread and
// compared at the end, the library loaded for the test, records built the way the host fills them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "host/own_windows_win.h"
#include "host/plugin_library_win.h"
#include "scoring/contest_data.h"
#include "testing/message_box_closer_win.h"
#include "testing/private_registry_win.h"
#include "testing/test_log_win.h"

// Everything but the library, for tests that load it themselves.
class HostTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(boxes.Texts(), expectedBoxes); }

  // The host record (see the free HostRecord) on the test's log.
  TContestData HostRecord() const;

  PrivateUserRegistry registry;
  TestLog log;
  MessageBoxCloser boxes;
  std::vector<std::string> expectedBoxes;  // the texts of the message boxes the test expects
};

class PluginTest : public HostTest {
 protected:
  PluginLibrary plugin{kPluginFile};
};

// Where the windows keep their settings when the test program is their host.
inline constexpr char kHostKey[] = "Software\\marovinta_wine_tests";
inline constexpr char kMainFormKey[] = "Software\\marovinta_wine_tests\\TfmMainForm";

// A host record: title "Field Day", own locator JO31, the host's own stretches filled with a
// pattern, the test log's table name but no database connection.
TContestData HostRecord();
// The host record describing one QSO.
TContestData QsoRecord(const std::string& call, const std::string& band, const std::string& mode,
                       const std::string& report, const std::string& probe = "");

// How many top-level windows of this class this process has (other test processes may run).
int CountOwnWindows(const std::string& className);
// This process's first top-level window of the class, or nullptr.
HWND FindOwnWindow(const std::string& className);
// A child, grandchild included, of the class with that text, or nullptr.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
// Presses a button as a click does: its parent gets the notification before this returns.
void Click(HWND button);
// The report as the statistics window's memo shows it.
std::string MemoText(HWND statisticsWindow);
void SetMemoText(HWND statisticsWindow, const std::string& text);
// Dispatches every message waiting for this thread, as the host's message loop would.
void PumpMessages();
