#include "scoring/worked_list.h"

#include "scoring/text_rules.h"

int CompareQSOs(const TQSO& first, const TQSO& second) {
  return CompareBytes(first.CallSign, second.CallSign);
}

void WorkedQSOList::Add(TQSO qso) { entries_.insert(std::move(qso)); }

bool WorkedQSOList::Contains(const std::string& callSign, const std::string& band,
                             const std::string& mode) const {
  return entries_.find(TQSO(callSign, band, mode)) != entries_.end();
}

bool WorkedQSOList::ByCallSign::operator()(const TQSO& a, const TQSO& b) const {
  if (const int c = CompareQSOs(a, b); c != 0) {
    return c < 0;
  }
  if (const int c = CompareBytes(a.Band, b.Band); c != 0) {
    return c < 0;
  }
  return CompareBytes(a.Mode, b.Mode) < 0;
}
