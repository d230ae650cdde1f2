// A window's settings storage: what a save writes and in which order, how a restore
// applies what it reads, the stored values held in memory between the two, and when a window saves.
// The window layer converts its placement to and from FormPlacement and applies FormRestore.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/settings_store.h"

struct PlacementPoint {
  int x = 0;
  int y = 0;
};

struct PlacementRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A window's placement as the system reports and takes it, without the system's types.
struct FormPlacement {
  int flags = 0;
  int showCmd = 0;
  PlacementPoint minPosition;
  PlacementPoint maxPosition;
  PlacementRect normalPosition;
};

struct ScreenMetrics {
  int pixelsPerInch = 96;
  int width = 0;
  int height = 0;
};

// Named texts, in the order in which they were first set.
using StoredValues = std::vector<std::pair<std::string, std::string>>;

struct FormStorageOptions {
  const char* subkey;         // the window's class name
  bool fpState;               // the window's state: normal, maximised or minimised
  bool fpPosition;            // the window's position and size
  StoredValues storedValues;  // with their defaults
};

inline constexpr char kCurrentBandName[] = "CurrentBand";

// The statistics window: state, position and the band last shown in the locator map.
extern const FormStorageOptions kMainFormStorageOptions;
// The locator map window: position only.
extern const FormStorageOptions kLocListStorageOptions;

// The values a save writes, in order; `destroying` tells a save at destruction from one on close.
StoredValues SaveEntries(const FormStorageOptions& options, const FormPlacement& placement,
                         const ScreenMetrics& screen, bool destroying, const StoredValues& values);

enum class FormWindowState { kNormal, kMaximised };

// What a restore asks of the window. Nothing set: the window stays as it is.
struct FormRestore {
  std::optional<FormPlacement> placement;      // set the window's placement to this
  std::optional<FormWindowState> windowState;  // show the window in this state
  bool minimiseApplication = false;            // post a minimise command to the application window
};

class FormStorage {
 public:
  // Keeps the settings under SettingsKeyPath(hostBaseName, options.subkey).
  FormStorage(SettingsStore& store, const std::string& hostBaseName,
              const FormStorageOptions& options);

  // Reads the settings as the window becomes visible, before its own show handler runs.
  // `present` is the window's placement now.
  FormRestore Restore(const FormPlacement& present, const ScreenMetrics& screen,
                      bool hasApplicationWindow);

  // Saves once a close of the window has been allowed; true when it wrote. Throws SettingsError,
  // leaving written what was written before the error.
  bool SaveOnClose(const FormPlacement& placement, const ScreenMetrics& screen);
  // Saves as the window is destroyed, unless it has been saved since it was last shown.
  bool SaveOnDestroy(const FormPlacement& placement, const ScreenMetrics& screen);
  // Writes now what SaveOnDestroy would, for a host that may end before the window is destroyed
  // (it releases the plug-in and exits, or the session ends); the destruction still saves.
  bool SaveAheadOfDestroy(const FormPlacement& placement, const ScreenMetrics& screen);

  // The stored values in memory; nothing reaches the store before the next save.
  std::optional<std::string> StoredValue(const std::string& name) const;
  void SetStoredValue(const std::string& name, const std::string& text);
  // Throws std::runtime_error when the value is not a whole number.
  int StoredValueAsInteger(const std::string& name) const;

 private:
  void Save(const FormPlacement& placement, const ScreenMetrics& screen, bool destroying);
  void Write(const FormPlacement& placement, const ScreenMetrics& screen, bool destroying);
  std::optional<FormPlacement> RestoredPlacement(SettingsKey& key, const FormPlacement& present,
                                                 const ScreenMetrics& screen) const;

  SettingsStore& store_;
  std::string keyPath_;
  FormStorageOptions options_;
  StoredValues values_;
  bool shown_ = false;
  bool savedSinceShown_ = false;
};
