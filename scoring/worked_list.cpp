#include "scoring/worked_list.h"

#include "scoring/text_rules.h"

int CompareQSOs(const TQSO& first, const TQSO& second) {
  return CompareBytes(first.CallSign, second.CallSign);
}

void WorkedQSOList::Add(TQSO qso) { entries_.insert(std::move(qso)); }

bool WorkedQSOList::Contains(const std::string& callSign, const std::string& band,
                          const std::string& mode) const {
  const auto run = entries_.equal_range(callSign);
  for (auto it = run.first; it != run.second; ++it) {
    if (it->Band == band && it->Mode == mode) {
      return true;
    }
  }
  return false;
}
