// The worked QSOs, held in callsign byte order so the duplicate test can halve its way to a callsign.
#pragma once

#include <set>
#include <string>

struct TQSO {
  TQSO(std::string callSign, std::string band, std::string mode)
      : CallSign(std::move(callSign)), Band(std::move(band)), Mode(std::move(mode)) {}

  std::string CallSign;
  std::string Band;
  std::string Mode;
};

// 1, 0 or -1 as the first callsign is greater than, equal to or less than the second, byte by byte.
int CompareQSOs(const TQSO& first, const TQSO& second);

class WorkedQSOList {
 public:
  // Inserts at the entry's sorted position, which leaves the list in the order a full sort would
  // give; so the list never needs sorting.
  void Add(TQSO qso);
  // True when an entry has byte-for-byte the same callsign, band and mode.
  bool Contains(const std::string& callSign, const std::string& band,
                const std::string& mode) const;
  void Clear() { entries_.clear(); }
  std::size_t Count() const { return entries_.size(); }

  // Callsign order; entries with equal callsigns are ordered by band, then mode, so that the
  // duplicate test halves its way straight to the entry instead of walking the callsign's run.
  struct ByCallSign {
    bool operator()(const TQSO& a, const TQSO& b) const;
  };
  using Entries = std::multiset<TQSO, ByCallSign>;
  Entries::const_iterator begin() const { return entries_.begin(); }
  Entries::const_iterator end() const { return entries_.end(); }

 private:
  Entries entries_;
};
