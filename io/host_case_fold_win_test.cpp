// The host's case folding on the test prefix's code page, Windows-1252.
#include "io/host_case_fold_win.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(HostCaseFold, FoldsAsWindowsUpperCasesTheCodePage) {
  ASSERT_EQ(GetACP(), 1252u) << "the tests run on Windows-1252 (scripts/wine-run.sh)";
  struct Case {
    unsigned char byte;
    unsigned char folded;
  } const cases[] = {
      {'a', 'A'},   {'z', 'Z'},   {'A', 'A'},   {'0', '0'},
      {'?', '?'},   {0, 0},       {0xE9, 0xC9},  // e acute
      {0x9A, 0x8A},                              // s caron
      {0xFF, 0x9F},                              // y diaeresis, whose capital lies below 0xA0
      {0xC9, 0xC9}, {0xDF, 0xDF},                // sharp s: no single capital
      {0xB5, 0xB5},  // micro sign: its capital (Greek Mu) is not in the code page
  };
  const CaseFoldTable& table = HostCaseFold();
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.byte));
    EXPECT_EQ(table[c.byte], c.folded);
  }
}
