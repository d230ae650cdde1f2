#include "testing/private_registry_win.h"

#include <stdexcept>

namespace {
constexpr char kTestRoots[] = "Software\\MarovintaTestRoots";

HKEY CreateKey(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create the registry key " + path);
  }
  return key;
}
}  // namespace

PrivateUserRegistry::PrivateUserRegistry()
    : path_(std::string(kTestRoots) + "\\" + std::to_string(GetCurrentProcessId())) {
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());  // left by a process that crashed
  root_ = CreateKey(HKEY_CURRENT_USER, path_);
  if (RegOverridePredefKey(HKEY_CURRENT_USER, root_) != ERROR_SUCCESS) {
    RegCloseKey(root_);
    throw std::runtime_error("cannot give the test a registry of its own");
  }
}

PrivateUserRegistry::~PrivateUserRegistry() {
  RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
  RegCloseKey(root_);
  RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestRoots);  // only once no other test holds a key in it
}

std::map<std::string, RegistryValue> RegistryValues(const std::string& path) {
  std::map<std::string, RegistryValue> values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return values;
  }
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameLength = sizeof name;
    BYTE data[1024];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataSize) !=
        ERROR_SUCCESS) {
      break;
    }
    std::string text(reinterpret_cast<const char*>(data), dataSize);
    text.erase(text.find_last_not_of('\0') + 1);
    values[std::string(name, nameLength)] = {type, text};
  }
  RegCloseKey(key);
  return values;
}

void MakeVolatileKey(const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create the volatile registry key " + path);
  }
  RegCloseKey(key);
}

void WriteRegistryString(const std::string& path, const std::string& name,
                         const std::string& text) {
  const HKEY key = CreateKey(HKEY_CURRENT_USER, path);
  RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(key);
}
