// The slots of an open-addressing hash table with linear probing, as the worked list and the worked
// fields keep theirs: each holds an entry's hash and the number its owner gave the entry, 0 for a
// free slot. The owner keeps the entries; a search asks it whether an entry is the one sought.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct HashSlot {
  std::uint32_t hash = 0;
  std::uint32_t entry = 0;
};

// Where the search for an entry of that hash begins among `size` slots, a power of two.
inline std::size_t FirstSlotOf(std::uint32_t hash, std::size_t size) {
  return hash & (size - 1);
}

// The slot holding the entry of that hash for which `isSought(entry)` is true, or the free slot
// where it belongs. The slots are a power of two, with a free one after every run. Inline: every
// QSO is looked up.
template <typename IsSought>
std::size_t FindSlot(const std::vector<HashSlot>& slots, std::uint32_t hash, IsSought isSought) {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t at = FirstSlotOf(hash, slots.size());; at = (at + 1) & mask) {
    const HashSlot& slot = slots[at];
    if (slot.entry == 0 || (slot.hash == hash && isSought(slot.entry))) {
      return at;
    }
  }
}

// Makes the table `size` slots, a power of two, and places every entry anew by its hash alone.
void ResizeSlots(std::vector<HashSlot>& slots, std::size_t size);
