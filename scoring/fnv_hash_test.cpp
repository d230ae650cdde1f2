#include "scoring/fnv_hash.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(FnvStep, HashesTextsAsFnv1aDoes) {
  // The published FNV-1a values of these texts.
  struct {
    std::string_view text;
    std::uint32_t hash;
  } const cases[] = {{"", 0x811c9dc5u}, {"a", 0xe40c292cu}, {"foobar", 0xbf9cf968u}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::uint32_t hash = kFnvOffsetBasis;
    for (char byte : c.text) {
      hash = FnvStep(hash, static_cast<unsigned char>(byte));
    }
    EXPECT_EQ(hash, c.hash);
  }
}
