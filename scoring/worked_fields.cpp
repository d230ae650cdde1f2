#include "scoring/worked_fields.h"

#include <algorithm>

#include "scoring/fnv_hash.h"

namespace {
constexpr std::size_t kFirstTableSize = 64;
}  // namespace

std::uint32_t WorkedFieldList::FoldedHash(std::string_view key) const {
  std::uint32_t hash = kFnvOffsetBasis;
  for (char c : key) {
    hash = FnvStep(hash, (*fold_)[static_cast<unsigned char>(c)]);
  }
  return hash;
}

bool WorkedFieldList::EqualFolded(std::string_view folded, std::string_view key) const {
  if (folded.size() != key.size()) {
    return false;
  }
  for (std::size_t i = 0; i < key.size(); ++i) {
    if (static_cast<unsigned char>(folded[i]) != (*fold_)[static_cast<unsigned char>(key[i])]) {
      return false;
    }
  }
  return true;
}

// Linear probing: a table at most half full has a free slot after every run.
std::size_t WorkedFieldList::Find(std::string_view key, std::uint32_t hash) const {
  return FindSlot(slots_, hash,
                  [&](std::uint32_t entry) { return EqualFolded(folded_[entry - 1], key); });
}

bool WorkedFieldList::Contains(const std::string& key) const {
  return !keys_.empty() && slots_[Find(key, FoldedHash(key))].entry != 0;
}

bool WorkedFieldList::Add(const std::string& key) {
  if ((keys_.size() + 1) * 2 > slots_.size()) {
    Grow();
  }
  const std::uint32_t hash = FoldedHash(key);
  HashSlot& slot = slots_[Find(key, hash)];
  if (slot.entry != 0) {
    return false;
  }
  keys_.push_back(key);
  folded_.push_back(FoldWith(*fold_, key));
  slot = {hash, static_cast<std::uint32_t>(keys_.size())};
  return true;
}

void WorkedFieldList::Clear() {
  keys_.clear();
  folded_.clear();
  std::fill(slots_.begin(), slots_.end(), HashSlot{});
}

void WorkedFieldList::Grow() {
  ResizeSlots(slots_, std::max(kFirstTableSize, slots_.size() * 2));
}
