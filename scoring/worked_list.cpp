#include "scoring/worked_list.h"

#include <algorithm>
#include <stdexcept>

#include "scoring/text_rules.h"

namespace {
constexpr std::size_t kFirstTableSize = 1024;

// FNV-1a over the text and then its length, so that the same bytes split otherwise between the
// three texts hash otherwise too. Byte by byte is the fastest for texts this short.
std::uint32_t HashText(std::uint32_t hash, std::string_view text) {
  constexpr std::uint32_t kPrime = 16777619u;
  for (char c : text) {
    hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
  }
  return (hash ^ static_cast<std::uint32_t>(text.size())) * kPrime;
}

// The high bits mixed into the low ones, which choose the table's place (MurmurHash3's finaliser).
std::uint32_t Mix(std::uint32_t hash) {
  hash ^= hash >> 16;
  hash *= 0x85ebca6bu;
  hash ^= hash >> 13;
  hash *= 0xc2b2ae35u;
  return hash ^ (hash >> 16);
}

// A length as 7-bit groups, low group first, the top bit set on all but the last. Byte by byte,
// inline, as the texts that follow: an entry is a few bytes long.
void AppendLength(std::vector<char>& texts, std::size_t length) {
  for (; length >= 0x80; length >>= 7) {
    texts.push_back(static_cast<char>(0x80 | (length & 0x7F)));
  }
  texts.push_back(static_cast<char>(length));
}

std::size_t ReadLength(const std::vector<char>& texts, std::size_t& at) {
  std::size_t length = 0;
  for (int shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(texts[at++]);
    length |= static_cast<std::size_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) {
      return length;
    }
  }
}
}  // namespace

WorkedKey::WorkedKey(std::string_view callSign, std::string_view band, std::string_view mode)
    : callSign(callSign),
      band(band),
      mode(mode),
      hash(Mix(HashText(HashText(HashText(2166136261u, callSign), band), mode))) {}

int CompareQSOs(const TQSO& first, const TQSO& second) {
  return CompareBytes(first.CallSign, second.CallSign);
}

void WorkedQSOList::Add(const WorkedKey& key) {
  if ((count_ + 1) * 4 > slots_.size() * 3) {
    Grow();
  }
  Slot& slot = slots_[Find(key)];
  if (slot.entry != 0) {
    return;
  }
  if (texts_.size() >= UINT32_MAX) {
    throw std::length_error("The worked list is full");
  }
  slot = {key.hash, static_cast<std::uint32_t>(texts_.size() + 1)};
  for (std::string_view text : {key.callSign, key.band, key.mode}) {
    AppendLength(texts_, text.size());
    for (char c : text) {
      texts_.push_back(c);
    }
  }
  ++count_;
}

bool WorkedQSOList::Contains(const WorkedKey& key) const {
  return count_ != 0 && slots_[Find(key)].entry != 0;
}

void WorkedQSOList::Prefetch(const WorkedKey& key) const {
  if (!slots_.empty()) {
    __builtin_prefetch(&slots_[key.hash & (slots_.size() - 1)]);
  }
}

void WorkedQSOList::PrefetchTexts(const WorkedKey& key) const {
  if (!slots_.empty()) {
    const Slot& slot = slots_[key.hash & (slots_.size() - 1)];
    if (slot.hash == key.hash && slot.entry != 0) {
      __builtin_prefetch(texts_.data() + slot.entry - 1);
    }
  }
}

void WorkedQSOList::Clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  texts_.clear();
  count_ = 0;
}

// Linear probing: a table at most three quarters full has a free slot after every run.
std::size_t WorkedQSOList::Find(const WorkedKey& key) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = key.hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.entry == 0 || (slot.hash == key.hash && EntryEquals(slot.entry, key))) {
      return at;
    }
  }
}

bool WorkedQSOList::EntryEquals(std::uint32_t entry, const WorkedKey& key) const {
  std::size_t at = entry - 1;
  for (std::string_view text : {key.callSign, key.band, key.mode}) {
    const std::size_t length = ReadLength(texts_, at);
    if (!SameBytes(std::string_view(texts_.data() + at, length), text)) {
      return false;
    }
    at += length;
  }
  return true;
}

void WorkedQSOList::Grow() {
  std::vector<Slot> old(std::max(kFirstTableSize, slots_.size() * 2));
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) {
      continue;
    }
    std::size_t at = slot.hash & mask;
    while (slots_[at].entry != 0) {
      at = (at + 1) & mask;
    }
    slots_[at] = slot;
  }
}
