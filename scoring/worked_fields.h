// The band-and-field keys worked so far ("14KO"), each once, looked up with letter case ignored as
// the host's code page folds it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/case_fold.h"
#include "scoring/hash_slots.h"

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
  std::uint32_t FoldedHash(std::string_view key) const;
  // The slot holding a key equal to `key` case ignored, or the free slot where it belongs.
  std::size_t Find(std::string_view key, std::uint32_t hash) const;
  bool EqualFolded(std::string_view folded, std::string_view key) const;
  void Grow();

  const CaseFoldTable* fold_;
  std::vector<std::string> keys_;
  std::vector<std::string> folded_;  // each of keys_ folded
  // Open addressing over the folded keys, a power of two of slots at most half taken, a slot's
  // entry the key's index in keys_ plus one: every QSO asks, and a contest has a few thousand keys,
  // so a look-up is a few probes in the cache, and no key is copied or folded into a text of its
  // own just to be looked up.
  std::vector<HashSlot> slots_;
};
