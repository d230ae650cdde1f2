#include "logfiles/huge_page_allocator.h"

#include <sys/mman.h>

#include <cstdint>

namespace {
std::size_t RoundUp(std::size_t bytes, std::size_t unit) {
  return (bytes + unit - 1) / unit * unit;
}
}  // namespace

void* MapHugePageBlock(std::size_t bytes) {
  const std::size_t size = RoundUp(bytes, kHugePage);
  // Mapped one huge page larger, then trimmed to a huge page's boundary at both ends.
  void* mapped =
      mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) {
    return nullptr;
  }
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = RoundUp(start, kHugePage);
  if (aligned > start) {
    munmap(mapped, aligned - start);
  }
  const std::uintptr_t end = start + size + kHugePage;
  if (end > aligned + size) {
    munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
  }
  void* block = reinterpret_cast<void*>(aligned);
  madvise(block, size, MADV_HUGEPAGE);  // only advice: a system without huge pages maps small ones
  return block;
}

void UnmapHugePageBlock(void* block, std::size_t bytes) {
  munmap(block, RoundUp(bytes, kHugePage));
}
