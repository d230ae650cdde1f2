#include "check/text_table.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

TextTable::TextTable() : shards_(std::make_unique<std::array<Shard, 1u << kShardBits>>()) {}

std::uint32_t TextTable::Intern(std::string_view text) {
  const std::uint32_t shardIndex =
      static_cast<std::uint32_t>(std::hash<std::string_view>()(text)) & kShardMask;
  Shard& shard = (*shards_)[shardIndex];
  const std::lock_guard<std::mutex> lock(shard.mutex);
  const auto found = shard.ids.find(text);
  if (found != shard.ids.end()) {
    return found->second;
  }
  const std::uint32_t next = static_cast<std::uint32_t>(shard.texts.size());
  if (next > (UINT32_MAX >> kShardBits)) {
    throw std::length_error("too many different texts in the logs");
  }
  const std::uint32_t id = (next << kShardBits) | shardIndex;
  shard.ids.emplace(shard.texts.emplace_back(text), id);
  return id;
}

const std::string& TextTable::Text(std::uint32_t id) const {
  return (*shards_)[id & kShardMask].texts[id >> kShardBits];
}

bool TextTable::Has(std::uint32_t id) const {
  return (id >> kShardBits) < (*shards_)[id & kShardMask].texts.size();
}

std::uint32_t TextTable::IdLimit() const {
  std::size_t longest = 0;
  for (const Shard& shard : *shards_) {
    longest = std::max(longest, shard.texts.size());
  }
  return static_cast<std::uint32_t>(longest << kShardBits);
}
