#include "scoring/band_stats.h"

#include "scoring/text_rules.h"

TStatistic& BandStatList::FindOrAdd(const std::string& band) {
  for (TStatistic& entry : entries_) {
    if (SameBytes(entry.Band, band)) {
      return entry;
    }
  }
  return entries_.emplace_back(band, 0, 0, 0);
}
