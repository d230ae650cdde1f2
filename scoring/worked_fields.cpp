#include "scoring/worked_fields.h"

bool WorkedFieldList::Contains(const std::string& key) const {
  return folded_.count(FoldWith(*fold_, key)) != 0;
}

bool WorkedFieldList::Add(const std::string& key) {
  if (!folded_.insert(FoldWith(*fold_, key)).second) {
    return false;
  }
  keys_.push_back(key);
  return true;
}

void WorkedFieldList::Clear() {
  keys_.clear();
  folded_.clear();
}
