#include "ui/registry_store_win.h"

#include <windows.h>

#include "io/host_code_page_win.h"

namespace {
// An open registry key, closed with its owner.
class RegistryKey : public SettingsKey {
 public:
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() override { RegCloseKey(key_); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  std::optional<std::string> Read(const std::string& name) override {
    const std::wstring wideName = WidenHostText(name);
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
    std::wstring value;
    // The value may grow between the two calls; ask again until it fits.
    while (result == ERROR_SUCCESS && type == REG_SZ) {
      value.assign(size / sizeof(wchar_t) + 1, L'\0');
      size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
      result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(value.data()), &size);
      if (result != ERROR_MORE_DATA) {
        break;
      }
      result = ERROR_SUCCESS;
    }
    if (result != ERROR_SUCCESS || type != REG_SZ) {
      return std::nullopt;
    }
    value.resize(size / sizeof(wchar_t));
    // A stored string may or may not end with its terminating zero.
    value.erase(value.find_last_not_of(L'\0') + 1);
    return NarrowToHostText(value);
  }

  void Write(const std::string& name, const std::string& value) override {
    const std::wstring wideValue = WidenHostText(value);
    const DWORD size = static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key_, WidenHostText(name).c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(wideValue.c_str()), size) != ERROR_SUCCESS) {
      throw SetDataFailed(name);
    }
  }

 private:
  HKEY key_;
};
}  // namespace

std::unique_ptr<SettingsKey> RegistryStore::OpenForReading(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, WidenHostText(path).c_str(), 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<RegistryKey>(key);
}

std::unique_ptr<SettingsKey> RegistryStore::CreateForWriting(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, WidenHostText(path).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    throw CreateKeyFailed(path);
  }
  return std::make_unique<RegistryKey>(key);
}

std::string HostExecutableBaseName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    // A full buffer may hold a cut path: try a larger one.
    if (length < path.size()) {
      path.resize(length);
      return NarrowToHostText(ExecutableBaseName(path));
    }
    path.resize(path.size() * 2);
  }
}
