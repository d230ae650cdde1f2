#include "ui/settings_store.h"

SettingsError CreateKeyFailed(const std::string& path) {
  return SettingsError("Failed to create key " + path);
}

SettingsError SetDataFailed(const std::string& name) {
  return SettingsError("Failed to set data for '" + name + "'");
}

std::string SettingsKeyPath(const std::string& hostBaseName, const std::string& subkey) {
  return "Software\\" + hostBaseName + "\\" + subkey;
}

std::wstring ExecutableBaseName(const std::wstring& path) {
  const std::size_t folderEnd = path.find_last_of(L"\\/:");
  std::wstring name = folderEnd == std::wstring::npos ? path : path.substr(folderEnd + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) {
    name.erase(dot);
  }
  return name;
}
