#include "scoring/worked_list.h"

#include <algorithm>
#include <stdexcept>

#include "scoring/length_prefix.h"
#include "scoring/text_rules.h"

namespace {
constexpr std::size_t kFirstTableSize = 1024;
}  // namespace

void WorkedQSOList::Add(const WorkedKey& key) {
  if ((count_ + 1) * 4 > slots_.size() * 3) {
    Grow();
  }
  HashSlot& slot = slots_[Find(key)];
  if (slot.entry != 0) {
    return;
  }
  if (texts_.size() >= UINT32_MAX) {
    throw std::length_error("The worked list is full");
  }
  slot = {key.hash, static_cast<std::uint32_t>(texts_.size() + 1)};
  // Byte by byte, inline: an entry is a few bytes long, and a resize would first fill them with
  // zeros.
  for (std::string_view text : {key.callSign, key.band, key.mode}) {
    AppendLengthPrefix(texts_, text.size());
    for (char c : text) {
      texts_.push_back(c);
    }
  }
  ++count_;
}

bool WorkedQSOList::Contains(const WorkedKey& key) const {
  return count_ != 0 && slots_[Find(key)].entry != 0;
}

void WorkedQSOList::Clear() {
  std::fill(slots_.begin(), slots_.end(), HashSlot{});
  texts_.clear();
  count_ = 0;
}

// Linear probing: a table at most three quarters full has a free slot after every run.
std::size_t WorkedQSOList::Find(const WorkedKey& key) const {
  return FindSlot(slots_, key.hash, [&](std::uint32_t entry) { return EntryEquals(entry, key); });
}

bool WorkedQSOList::EntryEquals(std::uint32_t entry, const WorkedKey& key) const {
  const char* at = texts_.data() + entry - 1;
  for (std::string_view text : {key.callSign, key.band, key.mode}) {
    const std::string_view held = PrefixedTextAt(at);
    if (!SameBytes(held, text)) {
      return false;
    }
    at = held.data() + held.size();
  }
  return true;
}

void WorkedQSOList::Grow() {
  ResizeSlots(slots_, std::max(kFirstTableSize, slots_.size() * 2));
}
