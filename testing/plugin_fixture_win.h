// The fixture of the tests that drive Marovinta.dll as a host does: the library loaded for the
// test, message boxes closed by a second thread and compared at the end, records built the way
// the host fills them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "plugin/contest_data.h"
#include "testing/message_box_closer_win.h"
#include "testing/plugin_library_win.h"

class PluginTest : public testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(boxes.Texts(), expectedBoxes); }

  PluginLibrary plugin;
  MessageBoxCloser boxes;
  std::vector<std::string> expectedBoxes;  // the texts of the message boxes the test expects
};

// A host record: title "Field Day", own locator JO31, the host's own stretches filled with a
// pattern.
TContestData HostRecord();
// The host record describing one QSO.
TContestData QsoRecord(const std::string& call, const std::string& band, const std::string& mode,
                       const std::string& report, const std::string& probe = "");

std::string WindowText(HWND window);
// How many top-level windows of this class this process has (other test processes may run).
int CountOwnWindows(const std::string& className);
std::string ClassName(HWND window);
// The report as the statistics window's memo shows it.
std::string MemoText(HWND statisticsWindow);
void SetMemoText(HWND statisticsWindow, const std::string& text);
