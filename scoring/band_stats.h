// One entry per band text met in recorded QSOs, in order of first appearance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TStatistic {
  TStatistic(std::string band, std::int32_t qsos, std::int32_t points, std::int32_t newLoc)
      : Band(std::move(band)), QSOs(qsos), Points(points), NewLoc(newLoc) {}

  std::string Band;
  std::int32_t QSOs;
  std::int32_t Points;
  std::int32_t NewLoc;
};

class BandStatList {
 public:
  // The entry whose band text is byte-for-byte `band`, appended with zeros when there is none.
  TStatistic& FindOrAdd(const std::string& band);
  void Clear() { entries_.clear(); }
  const std::vector<TStatistic>& Entries() const { return entries_; }

 private:
  std::vector<TStatistic> entries_;  // a handful of bands: a linear search is the fastest
};
