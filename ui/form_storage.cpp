#include "ui/form_storage.h"

#include <array>
#include <cstdio>
#include <stdexcept>

#include "ui/whole_number.h"

const FormStorageOptions kMainFormStorageOptions = {
    "TfmMainForm", true, true, {{kCurrentBandName, "0"}}};
const FormStorageOptions kLocListStorageOptions = {"TfmLocList", false, true, {}};

namespace {
// The storage's version: a restore goes ahead only for settings at least this new.
constexpr int kFormVersion = 0;

constexpr char kFormVersionName[] = "FormVersion";
constexpr char kFlagsName[] = "Flags";
constexpr char kShowCmdName[] = "ShowCmd";
constexpr char kPixelsPerInchName[] = "PixelsPerInch";
constexpr char kMinMaxPosName[] = "MinMaxPos";
constexpr char kNormPosName[] = "NormPos";
constexpr char kVisibleName[] = "Visible";

// The window state a stored show command asks for; minimised stands apart because it is not put
// on the window itself.
enum class StoredShowState { kNormal, kMaximised, kMinimised };

// Show commands: the system's numbers, as stored.
struct ShowCmdState {
  int showCmd;
  StoredShowState state;
};
constexpr ShowCmdState kShowCmdStates[] = {
    {1, StoredShowState::kNormal},    {5, StoredShowState::kNormal},
    {9, StoredShowState::kNormal},    {3, StoredShowState::kMaximised},
    {2, StoredShowState::kMinimised}, {6, StoredShowState::kMinimised},
    {7, StoredShowState::kMinimised},
};

using FourNumbers = std::array<int, 4>;

std::string FormatFour(const FourNumbers& n) {
  char text[64];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d", n[0], n[1], n[2], n[3]);
  return text;
}

// A placement is kept once for the screen size of the save and once under the plain name.
std::string ScreenSuffixed(const char* name, const ScreenMetrics& screen) {
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, "(%dx%d)", screen.width, screen.height);
  return name + std::string(suffix);
}

std::string TrimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return "";
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The four comma-separated numbers of a position text; a number missing or not a number keeps
// its default.
FourNumbers ReadFour(const std::string& text, FourNumbers numbers) {
  std::size_t start = 0;
  for (int& number : numbers) {
    if (start > text.size()) {
      break;
    }
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    number = ReadWholeNumber(TrimBlanks(text.substr(start, end - start))).value_or(number);
    start = end + 1;
  }
  return numbers;
}

std::optional<int> ReadNumber(SettingsKey& key, const char* name) {
  const std::optional<std::string> text = key.Read(name);
  return text ? ReadWholeNumber(*text) : std::nullopt;
}

// The screen size's value first, the plain one when that is absent or empty; empty when neither.
std::string ReadPosition(SettingsKey& key, const char* name, const ScreenMetrics& screen) {
  std::string text = key.Read(ScreenSuffixed(name, screen)).value_or("");
  if (text.empty()) {
    text = key.Read(name).value_or("");
  }
  return text;
}

StoredShowState ShowStateOf(std::optional<int> showCmd) {
  for (const ShowCmdState& entry : kShowCmdStates) {
    if (showCmd == entry.showCmd) {
      return entry.state;
    }
  }
  return StoredShowState::kNormal;
}

StoredValues::const_iterator Find(const StoredValues& values, const std::string& name) {
  for (auto it = values.begin(); it != values.end(); ++it) {
    if (it->first == name) {
      return it;
    }
  }
  return values.end();
}
}  // namespace

StoredValues SaveEntries(const FormStorageOptions& options, const FormPlacement& placement,
                         const ScreenMetrics& screen, bool destroying, const StoredValues& values) {
  StoredValues entries;
  entries.emplace_back(kFormVersionName, std::to_string(kFormVersion));
  if (options.fpState || options.fpPosition) {
    const FourNumbers minMax = {placement.minPosition.x, placement.minPosition.y,
                                placement.maxPosition.x, placement.maxPosition.y};
    const PlacementRect& normal = placement.normalPosition;
    const FourNumbers norm = {normal.left, normal.top, normal.right, normal.bottom};
    entries.emplace_back(kFlagsName, std::to_string(placement.flags));
    entries.emplace_back(kShowCmdName, std::to_string(placement.showCmd));
    entries.emplace_back(kPixelsPerInchName, std::to_string(screen.pixelsPerInch));
    entries.emplace_back(ScreenSuffixed(kMinMaxPosName, screen), FormatFour(minMax));
    entries.emplace_back(kMinMaxPosName, FormatFour(minMax));
    entries.emplace_back(ScreenSuffixed(kNormPosName, screen), FormatFour(norm));
    entries.emplace_back(kNormPosName, FormatFour(norm));
    entries.emplace_back(kVisibleName, destroying ? "1" : "0");
  }
  entries.insert(entries.end(), values.begin(), values.end());
  return entries;
}

FormStorage::FormStorage(SettingsStore& store, const std::string& hostBaseName,
                         const FormStorageOptions& options)
    : store_(store),
      keyPath_(SettingsKeyPath(hostBaseName, options.subkey)),
      options_(options),
      values_(options.storedValues) {}

FormRestore FormStorage::Restore(const FormPlacement& present, const ScreenMetrics& screen,
                                 bool hasApplicationWindow) {
  shown_ = true;
  savedSinceShown_ = false;
  const std::unique_ptr<SettingsKey> key = store_.OpenForReading(keyPath_);
  if (!key || ReadNumber(*key, kFormVersionName).value_or(0) < kFormVersion) {
    return {};
  }
  FormRestore restore;
  if (options_.fpPosition) {
    restore.placement = RestoredPlacement(*key, present, screen);
  }
  if (options_.fpState) {
    const StoredShowState state = ShowStateOf(ReadNumber(*key, kShowCmdName));
    restore.windowState = state == StoredShowState::kMaximised ? FormWindowState::kMaximised
                                                               : FormWindowState::kNormal;
    restore.minimiseApplication = state == StoredShowState::kMinimised && hasApplicationWindow;
  }
  for (auto& [name, text] : values_) {
    text = key->Read(name).value_or(text);
  }
  return restore;
}

std::optional<FormPlacement> FormStorage::RestoredPlacement(SettingsKey& key,
                                                            const FormPlacement& present,
                                                            const ScreenMetrics& screen) const {
  FormPlacement placement = present;
  placement.flags = ReadNumber(key, kFlagsName).value_or(present.flags);
  bool found = false;
  const std::string minMax = ReadPosition(key, kMinMaxPosName, screen);
  if (!minMax.empty()) {
    found = true;
    const FourNumbers n = ReadFour(minMax, {0, 0, 0, 0});
    placement.minPosition = {n[0], n[1]};
    placement.maxPosition = {n[2], n[3]};
  }
  const std::string norm = ReadPosition(key, kNormPosName, screen);
  if (!norm.empty()) {
    found = true;
    PlacementRect& r = placement.normalPosition;
    const FourNumbers n = ReadFour(norm, {r.left, r.top, r.right, r.bottom});
    r = {n[0], n[1], n[2], n[3]};
  }
  const int storedPixels = ReadNumber(key, kPixelsPerInchName).value_or(screen.pixelsPerInch);
  if (!found || storedPixels != screen.pixelsPerInch ||
      placement.normalPosition.left >= placement.normalPosition.right) {
    return std::nullopt;
  }
  return placement;
}

bool FormStorage::SaveOnClose(const FormPlacement& placement, const ScreenMetrics& screen) {
  if (!shown_) {
    return false;
  }
  Save(placement, screen, false);
  return true;
}

bool FormStorage::SaveOnDestroy(const FormPlacement& placement, const ScreenMetrics& screen) {
  if (!shown_ || savedSinceShown_) {
    return false;
  }
  Save(placement, screen, true);
  return true;
}

bool FormStorage::SaveAheadOfDestroy(const FormPlacement& placement, const ScreenMetrics& screen) {
  if (!shown_ || savedSinceShown_) {
    return false;
  }
  Write(placement, screen, true);
  return true;
}

void FormStorage::Save(const FormPlacement& placement, const ScreenMetrics& screen,
                       bool destroying) {
  Write(placement, screen, destroying);
  savedSinceShown_ = true;
}

void FormStorage::Write(const FormPlacement& placement, const ScreenMetrics& screen,
                        bool destroying) {
  const std::unique_ptr<SettingsKey> key = store_.CreateForWriting(keyPath_);
  for (const auto& [name, text] : SaveEntries(options_, placement, screen, destroying, values_)) {
    key->Write(name, text);
  }
}

std::optional<std::string> FormStorage::StoredValue(const std::string& name) const {
  const auto it = Find(values_, name);
  if (it == values_.end()) {
    return std::nullopt;
  }
  return it->second;
}

void FormStorage::SetStoredValue(const std::string& name, const std::string& text) {
  const auto it = Find(values_, name);
  if (it == values_.end()) {
    values_.emplace_back(name, text);
    return;
  }
  values_[it - values_.begin()].second = text;
}

int FormStorage::StoredValueAsInteger(const std::string& name) const {
  const std::string text = StoredValue(name).value_or("");
  const std::optional<int> number = ReadWholeNumber(text);
  if (!number) {
    throw std::runtime_error("'" + text + "' is not a valid integer value");
  }
  return *number;
}
