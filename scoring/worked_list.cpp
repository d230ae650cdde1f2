#include "scoring/worked_list.h"

#include <algorithm>
#include <stdexcept>

#include "scoring/text_rules.h"

namespace {
constexpr std::size_t kFirstTableSize = 1024;

// FNV-1a, 32 bits, over the bytes.
constexpr std::uint32_t kFnvOffset = 2166136261u;
constexpr std::uint32_t kFnvPrime = 16777619u;

std::uint32_t HashBytes(std::uint32_t hash, std::string_view bytes) {
  for (char c : bytes) {
    hash = (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
  }
  return hash;
}

// Each text's length goes into the hash too, so that moving a byte from one text to the next
// changes it.
std::uint32_t HashQso(std::string_view callSign, std::string_view band, std::string_view mode) {
  std::uint32_t hash = kFnvOffset;
  for (std::string_view text : {callSign, band, mode}) {
    hash = HashBytes(hash, text);
    hash = (hash ^ static_cast<std::uint32_t>(text.size())) * kFnvPrime;
  }
  // The table takes its place from the low bits: mix the high ones in (MurmurHash3's finaliser).
  hash ^= hash >> 16;
  hash *= 0x85ebca6bu;
  hash ^= hash >> 13;
  hash *= 0xc2b2ae35u;
  hash ^= hash >> 16;
  return hash;
}

// A length as 7-bit groups, low group first, the top bit set on all but the last.
void AppendLength(std::string& texts, std::size_t length) {
  while (length >= 0x80) {
    texts.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    length >>= 7;
  }
  texts.push_back(static_cast<char>(length));
}

std::size_t ReadLength(const std::string& texts, std::size_t& at) {
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

int CompareQSOs(const TQSO& first, const TQSO& second) {
  return CompareBytes(first.CallSign, second.CallSign);
}

void WorkedQSOList::Add(const TQSO& qso) {
  if ((count_ + 1) * 4 > slots_.size() * 3) {
    Grow();
  }
  const std::uint32_t hash = HashQso(qso.CallSign, qso.Band, qso.Mode);
  Slot& slot = slots_[Find(hash, qso.CallSign, qso.Band, qso.Mode)];
  if (slot.entry != 0) {
    return;
  }
  if (texts_.size() >= UINT32_MAX) {
    throw std::length_error("The worked list is full");
  }
  slot = {hash, static_cast<std::uint32_t>(texts_.size() + 1)};
  for (const std::string* text : {&qso.CallSign, &qso.Band, &qso.Mode}) {
    AppendLength(texts_, text->size());
    texts_ += *text;
  }
  ++count_;
}

bool WorkedQSOList::Contains(std::string_view callSign, std::string_view band,
                             std::string_view mode) const {
  return count_ != 0 &&
         slots_[Find(HashQso(callSign, band, mode), callSign, band, mode)].entry != 0;
}

void WorkedQSOList::Clear() {
  std::fill(slots_.begin(), slots_.end(), Slot{});
  texts_.clear();
  count_ = 0;
}

// Linear probing: a table at most three quarters full has a free slot after every run.
std::size_t WorkedQSOList::Find(std::uint32_t hash, std::string_view callSign,
                                std::string_view band, std::string_view mode) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.entry == 0 || (slot.hash == hash && EntryEquals(slot.entry, callSign, band, mode))) {
      return at;
    }
  }
}

bool WorkedQSOList::EntryEquals(std::uint32_t entry, std::string_view callSign,
                                std::string_view band, std::string_view mode) const {
  std::size_t at = entry - 1;
  for (std::string_view text : {callSign, band, mode}) {
    const std::size_t length = ReadLength(texts_, at);
    if (length != text.size() || texts_.compare(at, length, text) != 0) {
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
