#include "logfiles/huge_page_allocator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {
using HugeVector = std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>>;

// Growing one element at a time crosses from small blocks to mapped ones and moves every element
// across; each must arrive, and a copy and a shrink must keep them too.
TEST(HugePageAllocator, AVectorKeepsItsElementsAcrossSmallAndMappedBlocks) {
  constexpr std::uint32_t kCount = 3 * (kHugePage / sizeof(std::uint32_t));
  HugeVector values;
  for (std::uint32_t i = 0; i < kCount; ++i) {
    values.push_back(i * 2654435761u);
  }
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(values.data()) % kHugePage, 0u);
  HugeVector copy = values;
  values.resize(10);
  values.shrink_to_fit();
  for (std::uint32_t i = 0; i < kCount; ++i) {
    ASSERT_EQ(copy[i], i * 2654435761u) << i;
  }
  for (std::uint32_t i = 0; i < 10; ++i) {
    EXPECT_EQ(values[i], i * 2654435761u);
  }
}

TEST(HugePageAllocator, ABlockTooLargeForTheAddressSpaceIsBadAlloc) {
  HugePageAllocator<char> allocator;
  EXPECT_THROW(allocator.allocate(PTRDIFF_MAX / 2), std::bad_alloc);
  EXPECT_THROW(allocator.allocate(SIZE_MAX), std::bad_alloc);
}
}  // namespace
