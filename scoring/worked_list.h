// The worked QSOs: one entry per recorded QSO that was no duplicate, found by the exact bytes of
// its callsign, band and mode. Only the duplicate answers are ever seen, never an order, so the
// entries are held in a hash table: a look-up costs the same whatever the log's size, and its
// texts are compared only where a slot holds the same hash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "scoring/fnv_hash.h"
#include "scoring/hash_slots.h"

namespace worked_list_detail {
// The text's bytes and then its length.
inline std::uint32_t HashText(std::uint32_t hash, std::string_view text) {
  for (char c : text) {
    hash = FnvStep(hash, static_cast<unsigned char>(c));
  }
  return FnvStep(hash, static_cast<std::uint32_t>(text.size()));
}

// The high bits mixed into the low ones, which choose the table's place (MurmurHash3's finaliser).
inline std::uint32_t Mix(std::uint32_t hash) {
  hash ^= hash >> 16;
  hash *= 0x85ebca6bu;
  hash ^= hash >> 13;
  hash *= 0xc2b2ae35u;
  return hash ^ (hash >> 16);
}

// Each text hashed on its own, from a start of its own so that the same bytes in another of the
// three hash otherwise: the three hashes are worked out side by side, and the look-up that every
// QSO's scoring makes waits for the longest of them only.
inline std::uint32_t KeyHash(std::string_view callSign, std::string_view band,
                             std::string_view mode) {
  const std::uint32_t callHash = HashText(FnvStep(kFnvOffsetBasis, 1), callSign);
  const std::uint32_t bandHash = HashText(FnvStep(kFnvOffsetBasis, 2), band);
  const std::uint32_t modeHash = HashText(FnvStep(kFnvOffsetBasis, 3), mode);
  return Mix(callHash ^ bandHash ^ modeHash);
}
}  // namespace worked_list_detail

// An entry's three texts and their hash, made once for all that is asked of the list about it.
// Inline: the scorer makes one for every QSO twice, for its look-ahead and for the scoring.
struct WorkedKey {
  WorkedKey(std::string_view callSign, std::string_view band, std::string_view mode)
      : callSign(callSign),
        band(band),
        mode(mode),
        hash(worked_list_detail::KeyHash(callSign, band, mode)) {}

  std::string_view callSign;
  std::string_view band;
  std::string_view mode;
  std::uint32_t hash;
};

class WorkedQSOList {
 public:
  // Adds the entry unless one with the same bytes is held.
  void Add(const WorkedKey& key);
  // True when an entry has byte-for-byte the same callsign, band and mode.
  bool Contains(const WorkedKey& key) const;
  bool Contains(std::string_view callSign, std::string_view band, std::string_view mode) const {
    return Contains(WorkedKey(callSign, band, mode));
  }
  // The slot where a look-up of `key` begins, nullptr while the list has no slots; and where the
  // texts of a slot's entry begin. A caller that knows its coming entries may ask the memory for
  // them ahead of its look-ups.
  const HashSlot* FirstSlot(const WorkedKey& key) const {
    return slots_.empty() ? nullptr : &slots_[FirstSlotOf(key.hash, slots_.size())];
  }
  const char* EntryTexts(const HashSlot& slot) const { return texts_.data() + slot.entry - 1; }
  // Empties the list; the table keeps its size, so a rebuild of the same log does not grow it
  // again.
  void Clear();
  std::size_t Count() const { return count_; }

 private:
  // The place of the slot holding the entry, or of the free slot where it belongs.
  std::size_t Find(const WorkedKey& key) const;
  bool EntryEquals(std::uint32_t entry, const WorkedKey& key) const;
  void Grow();

  // A power of two of them, at most three quarters taken. A slot's entry is where its texts begin
  // in texts_, plus one; the hash's low bits are where the search for the entry starts, so the
  // table grows without reading a text.
  std::vector<HashSlot> slots_;
  // Every entry's three texts one after the other, each preceded by its length: one allocation for
  // all entries instead of three per entry.
  std::vector<char> texts_;
  std::size_t count_ = 0;
};
