// The worked QSOs: one entry per recorded QSO that was no duplicate, found by the exact bytes of
// its callsign, band and mode. Only the duplicate answers are ever seen, never an order, so the
// entries are held in a hash table: a look-up costs the same whatever the log's size, and its
// texts are compared only where a slot holds the same hash.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "scoring/hash_slots.h"

// An entry's three texts and their hash, made once for all that is asked of the list about it.
struct WorkedKey {
  WorkedKey(std::string_view callSign, std::string_view band, std::string_view mode);

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
  // Asks the memory for the slot where a look-up of the entry starts, without waiting for it: a
  // caller that knows its coming entries asks a few entries ahead, so that the look-ups of a long
  // log do not wait for memory one after another.
  void Prefetch(const WorkedKey& key) const;
  // As Prefetch, for the texts of the entry: asked for after Prefetch, once the slot is at hand.
  void PrefetchTexts(const WorkedKey& key) const;
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
