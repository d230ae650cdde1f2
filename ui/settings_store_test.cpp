#include "ui/settings_store.h"

#include <gtest/gtest.h>

TEST(SettingsKeyPath, OneKeyPerHostAndOneSubkeyPerWindow) {
  EXPECT_EQ(SettingsKeyPath("Logger", "TfmMainForm"), "Software\\Logger\\TfmMainForm");
}

TEST(ExecutableBaseName, DropsFolderAndExtension) {
  struct Case {
    const wchar_t* path;
    const wchar_t* name;
  } cases[] = {
      {L"C:\\Program Files\\Logger\\Logger.exe", L"Logger"},
      {L"C:\\Logger.v2\\host.app.exe", L"host.app"},
      {L"C:\\Logger.v2\\host", L"host"},
      {L"host.exe", L"host"},
      {L"C:host.exe", L"host"},
      {L"/opt/logger/host.exe", L"host"},
      {L"\\\\server\\share\\HOST.EXE", L"HOST"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExecutableBaseName(c.path), c.name);
  }
}

TEST(SettingsError, TextsNameTheKeyOrTheValue) {
  EXPECT_STREQ(CreateKeyFailed("Software\\Logger\\TfmLocList").what(),
               "Failed to create key Software\\Logger\\TfmLocList");
  EXPECT_STREQ(SetDataFailed("NormPos").what(), "Failed to set data for 'NormPos'");
}
