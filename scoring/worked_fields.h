// The band-and-field keys worked so far ("14KO"), each once, looked up with letter case ignored as
// the host's code page folds it.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "scoring/case_fold.h"

class WorkedFieldList {
 public:
  // `fold` outlives the list.
  explicit WorkedFieldList(const CaseFoldTable& fold = AsciiCaseFold()) : fold_(&fold) {}

  bool Contains(const std::string& key) const;
  // Adds the key unless an equal one (case ignored) is held; true when it was added.
  bool Add(const std::string& key);
  void Clear();
  // In order of first appearance, as first written.
  const std::vector<std::string>& Keys() const { return keys_; }

 private:
  const CaseFoldTable* fold_;
  std::vector<std::string> keys_;
  std::unordered_set<std::string> folded_;  // makes a look-up constant time on average
};
