#include "scoring/band_names.h"

int BandIndex(std::string_view band) {
  for (std::size_t i = 0; i < BandNames.size(); ++i) {
    if (band == BandNames[i]) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

const char* BandNameOf(int index) {
  if (index < 1 || index > static_cast<int>(BandNames.size())) {
    return nullptr;
  }
  return BandNames[index - 1];
}
