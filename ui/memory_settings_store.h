// A settings store held in memory for the tests: it records every write in order and can be made
// to fail creating one key or writing one value.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/settings_store.h"

class MemorySettingsStore : public SettingsStore {
 public:
  using Values = std::map<std::string, std::string>;
  struct Write {
    std::string path;
    std::string name;
    std::string value;
    bool operator==(const Write& other) const {
      return path == other.path && name == other.name && value == other.value;
    }
  };

  std::unique_ptr<SettingsKey> OpenForReading(const std::string& path) override {
    const auto it = keys.find(path);
    if (it == keys.end()) {
      return nullptr;
    }
    return std::make_unique<Key>(*this, path);
  }

  std::unique_ptr<SettingsKey> CreateForWriting(const std::string& path) override {
    if (path == failCreatingKey) {
      throw CreateKeyFailed(path);
    }
    keys[path];
    return std::make_unique<Key>(*this, path);
  }

  std::map<std::string, Values> keys;
  std::vector<Write> writes;
  std::string failCreatingKey;  // a key path whose creation fails
  std::string failWriting;      // a value name whose write fails

 private:
  class Key : public SettingsKey {
   public:
    Key(MemorySettingsStore& store, std::string path) : store_(store), path_(std::move(path)) {}

    std::optional<std::string> Read(const std::string& name) override {
      const Values& values = store_.keys[path_];
      const auto it = values.find(name);
      if (it == values.end()) {
        return std::nullopt;
      }
      return it->second;
    }

    void Write(const std::string& name, const std::string& value) override {
      if (name == store_.failWriting) {
        throw SetDataFailed(name);
      }
      store_.keys[path_][name] = value;
      store_.writes.push_back({path_, name, value});
    }

   private:
    MemorySettingsStore& store_;
    std::string path_;
  };
};
