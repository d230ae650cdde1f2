// Texts kept once each and named by a number, so that ten million QSOs hold their calls and
// exchanges as integers and compare them as integers. Threads that read logs side by side enter
// texts at the same time: the table is split in shards, each with its own lock.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

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

  // The map's keys view the texts, which a deque keeps where they are: a text already entered,
  // as most are, is found without making a string of it.
  struct Shard {
    std::mutex mutex;
    std::unordered_map<std::string_view, std::uint32_t> ids;
    std::deque<std::string> texts;
  };
  // On the heap, so that a table can be moved.
  std::unique_ptr<std::array<Shard, 1u << kShardBits>> shards_;
};
