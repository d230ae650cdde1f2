#include "scoring/band_stats.h"

TStatistic& BandStatList::FindOrAdd(const std::string& band) {
  for (TStatistic& entry : entries_) {
    if (entry.Band == band) {
      return entry;
    }
  }
  return entries_.emplace_back(band, 0, 0, 0);
}
