// The plug-in's controls come from version 6 of the common controls, through the plug-in's own
// activation context: the test program, like a host without a manifest, has none. Version 6
// implements the standard controls (buttons, edits) itself; without it they are the window
// manager's own, from user32.dll. The map's list view is created in the same context.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "scoring/text_rules.h"
#include "testing/plugin_fixture_win.h"

namespace {
// The file name, without folder and in lower case, of the module that holds the procedure of the
// control's window class.
std::string ModuleOfClass(HWND control) {
  const auto procedure = reinterpret_cast<const wchar_t*>(GetClassLongPtrW(control, GCLP_WNDPROC));
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      procedure, &module);
  char path[MAX_PATH] = "";
  GetModuleFileNameA(module, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of('\\') + 1);
  for (char& c : name) {
    c = LowerAscii(c);
  }
  return name;
}
}  // namespace

TEST_F(PluginTest, TheButtonsAndTheReportOfBothWindowsComeFromTheCommonControls) {
  const TContestData start = HostRecord();
  const HWND window = plugin.Run(0, &start);
  ASSERT_NE(window, nullptr);
  const HWND loc = FindChild(window, "Button", "Loc");
  ASSERT_NE(loc, nullptr);
  Click(loc);
  const HWND map = FindOwnWindow("TfmLocList");
  ASSERT_NE(map, nullptr);

  const struct {
    const char* control;
    HWND handle;
  } controls[] = {
      {"report", FindWindowExA(window, nullptr, "Edit", nullptr)},
      {"Recalc Statistic button", FindChild(window, "Button", "Recalc Statistic")},
      {"band button", FindChild(map, "Button", "14")},
  };
  for (const auto& control : controls) {
    SCOPED_TRACE(control.control);
    ASSERT_NE(control.handle, nullptr);
    EXPECT_EQ(ModuleOfClass(control.handle), "comctl32.dll");
  }
}
