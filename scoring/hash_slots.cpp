#include "scoring/hash_slots.h"

void ResizeSlots(std::vector<HashSlot>& slots, std::size_t size) {
  std::vector<HashSlot> old(size);
  old.swap(slots);
  const std::size_t mask = slots.size() - 1;
  for (const HashSlot& slot : old) {
    if (slot.entry == 0) {
      continue;
    }
    std::size_t at = FirstSlotOf(slot.hash, slots.size());
    while (slots[at].entry != 0) {
      at = (at + 1) & mask;
    }
    slots[at] = slot;
  }
}
