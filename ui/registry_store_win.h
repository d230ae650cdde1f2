// The window settings in the registry, under HKEY_CURRENT_USER; every value a string.
#pragma once

#include <memory>
#include <string>

#include "ui/settings_store.h"

class RegistryStore : public SettingsStore {
 public:
  std::unique_ptr<SettingsKey> OpenForReading(const std::string& path) override;
  std::unique_ptr<SettingsKey> CreateForWriting(const std::string& path) override;
};

// The base name of the process's executable: the host's name, since the plug-in runs inside it.
// Empty when the system cannot tell.
std::string HostExecutableBaseName();
