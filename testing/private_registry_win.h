// The registry as the Windows tests see it.
#pragma once

#include <windows.h>

#include <map>
#include <string>

// While it lives, HKEY_CURRENT_USER of this process is a fresh key of its own, so tests running
// side by side never see each other's window settings; the key is removed with the object.
class PrivateUserRegistry {
 public:
  PrivateUserRegistry();
  ~PrivateUserRegistry();
  PrivateUserRegistry(const PrivateUserRegistry&) = delete;
  PrivateUserRegistry& operator=(const PrivateUserRegistry&) = delete;

 private:
  std::string path_;  // under the real HKEY_CURRENT_USER
  HKEY root_ = nullptr;
};

struct RegistryValue {
  DWORD type;
  std::string text;  // for REG_SZ, without its terminating zero
  bool operator==(const RegistryValue& other) const {
    return type == other.type && text == other.text;
  }
};

// Every value of a key under HKEY_CURRENT_USER, by name; empty when the key does not exist.
std::map<std::string, RegistryValue> RegistryValues(const std::string& path);
// Creates a volatile key, which takes no lasting key below it: creating one there fails.
void MakeVolatileKey(const std::string& path);
// Writes a string value, creating the key.
void WriteRegistryString(const std::string& path, const std::string& name, const std::string& text);
