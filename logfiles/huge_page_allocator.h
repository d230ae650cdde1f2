// An allocator for the few blocks that grow as large as the log (its QSOs, their texts, their
// scores): a block of 2 MiB or more is mapped on its own and offered huge pages, so that each
// 2 MiB of it costs one page fault instead of 512.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

inline constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A block of `bytes` aligned to a huge page where the system offers them; nullptr when none is
// left.
void* MapHugePageBlock(std::size_t bytes);
void UnmapHugePageBlock(void* block, std::size_t bytes);

template <typename T>
class HugePageAllocator {
 public:
  using value_type = T;

  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}

  std::size_t max_size() const { return PTRDIFF_MAX / sizeof(T); }

  T* allocate(std::size_t n) {
    if (n > max_size()) {
      throw std::bad_array_new_length();
    }
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kHugePage) {
      return static_cast<T*>(::operator new(bytes));
    }
    void* block = MapHugePageBlock(bytes);
    if (!block) {
      throw std::bad_alloc();
    }
    return static_cast<T*>(block);
  }
  void deallocate(T* p, std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes < kHugePage) {
      ::operator delete(p);
    } else {
      UnmapHugePageBlock(p, bytes);
    }
  }

  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const {
    return true;
  }
  template <typename U>
  bool operator!=(const HugePageAllocator<U>&) const {
    return false;
  }
};
