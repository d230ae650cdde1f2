#include "ui/locator_map_rules.h"

#include <algorithm>

#include "scoring/band_names.h"

namespace {
constexpr char kFirstFieldLetter = 'A';
constexpr char kLastFieldLetter = 'R';
constexpr int kLastButtonInset = 4;  // pixels the last button stops short of the strip's edge

constexpr ItemLook kWorkedLook = {0, 0, 255, true};
constexpr ItemLook kOpenLook = {0, 0, 0, false};
}  // namespace

std::vector<std::string> LocatorItemCaptions() {
  std::vector<std::string> captions;
  for (char first = kFirstFieldLetter; first <= kLastFieldLetter; ++first) {
    for (char second = kLastFieldLetter; second >= kFirstFieldLetter; --second) {
      captions.push_back({first, second});
    }
  }
  return captions;
}

FieldListFit FitFieldRows(int available, int reserved, int textRowHeight) {
  const int rowHeight = std::max((available - reserved) / kFieldRowsPerColumn, textRowHeight);
  // A column holds (available - reserved) / rowHeight items. Where no whole row height gives 18
  // (rows of 17 pixels fit 18 times in 306 to 322 pixels, rows of 18 from 324 on), the list gives
  // up the few pixels that would take a 19th row.
  const int nineteenRows = reserved + (kFieldRowsPerColumn + 1) * rowHeight - 1;
  return {rowHeight, std::max(std::min(available, nineteenRows), 0)};
}

bool IsBandButtonTag(int tag) {
  return std::find(kBandButtonTags.begin(), kBandButtonTags.end(), tag) != kBandButtonTags.end();
}

std::vector<ButtonLayout> LayOutBandButtons(int width, int height,
                                            const std::vector<bool>& isBandButton) {
  const int n = static_cast<int>(std::count(isBandButton.begin(), isBandButton.end(), true));
  if (width <= 0 || n == 0) {
    return {};
  }
  const int w = width / n;
  const int h = std::max(height - 1, 0);
  std::vector<ButtonLayout> layout;
  int sum = 0;
  for (std::size_t child = 0; child < isBandButton.size(); ++child) {
    if (!isBandButton[child]) {
      continue;
    }
    layout.push_back({child, {static_cast<int>(layout.size()) * w, 0, w, h}});
    sum += w;
  }
  // A strip narrower than the inset leaves the last button no width rather than a negative one.
  layout.back().bounds.width = std::max(width - sum + w - kLastButtonInset, 0);
  return layout;
}

std::string BandPrefixFor(int index, const std::string& current) {
  const char* name = BandNameOf(index);
  return name ? name : current;
}

ItemLook ItemLookFor(const WorkedFieldList& workedFields, const std::string& bandPrefix,
                     const std::string& caption) {
  return workedFields.Contains(bandPrefix + caption) ? kWorkedLook : kOpenLook;
}

void StoreCurrentBand(FormStorage& mainStorage, int index) {
  mainStorage.SetStoredValue(kCurrentBandName, std::to_string(index));
}

int StoredCurrentBand(const FormStorage& mainStorage) {
  return mainStorage.StoredValueAsInteger(kCurrentBandName);
}
