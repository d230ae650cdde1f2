// Where a window keeps its settings: a store of keys holding named string values. The registry
// implements it on Windows; the tests use one held in memory.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "Failed to create key %s" with the key's path.
SettingsError CreateKeyFailed(const std::string& path);
// "Failed to set data for '%s'" with the value's name.
SettingsError SetDataFailed(const std::string& name);

// An open key.
class SettingsKey {
 public:
  virtual ~SettingsKey() = default;
  // The value's text, or nothing when the key holds no string value of that name.
  virtual std::optional<std::string> Read(const std::string& name) = 0;
  // Throws SetDataFailed when the value cannot be written.
  virtual void Write(const std::string& name, const std::string& value) = 0;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The key, or nullptr when it does not exist or cannot be opened.
  virtual std::unique_ptr<SettingsKey> OpenForReading(const std::string& path) = 0;
  // The key, created when missing; throws CreateKeyFailed when it cannot be.
  virtual std::unique_ptr<SettingsKey> CreateForWriting(const std::string& path) = 0;
};

// "Software\<host>\<subkey>": one key per host program, one subkey per window class.
std::string SettingsKeyPath(const std::string& hostBaseName, const std::string& subkey);

// The file name of an executable's path without its folder and without its extension.
std::wstring ExecutableBaseName(const std::wstring& path);
