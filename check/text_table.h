// Texts kept once each and named by a number, so that ten million QSOs hold their calls and
// exchanges as integers and compare them as integers. Threads that read logs side by side enter
// texts at the same time: the table is split in shards, each with its own lock.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TextTable {
 public:
  TextTable();

  // The id of `text`, entering it when new. Safe to call from several threads at once; which id a
  // text gets then depends on the order of the calls, so nothing may rely on the ids' order.
  std::uint32_t Intern(std::string_view text);

  // Only once no thread enters texts any more.
  const std::string& Text(std::uint32_t id) const;
  // Whether `id` names a text: ids below IdLimit() have gaps.
  bool Has(std::uint32_t id) const;
  // One more than the largest id: the size of an array indexed by id.
  std::uint32_t IdLimit() const;

 private:
  static constexpr unsigned kShardBits = 6;
  static constexpr std::uint32_t kShardMask = (1u << kShardBits) - 1;

  struct Shard {
    std::mutex mutex;
    std::unordered_map<std::string, std::uint32_t> ids;
    std::vector<const std::string*> texts;  // the map's keys, which stay where they are
  };
  // On the heap, so that a table can be moved.
  std::unique_ptr<std::array<Shard, 1u << kShardBits>> shards_;
};
