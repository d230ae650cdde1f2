#include "check/text_table.h"

#include <gtest/gtest.h>

#include <set>

#include "threads/parallel_for.h"

TEST(TextTable, OneIdPerTextEvenFromTwoThreads) {
  TextTable table;
  constexpr std::size_t kTexts = 5000;
  std::vector<std::uint32_t> ids(2 * kTexts);
  // Both threads enter every text, in opposite orders, so that they meet on the same ones.
  ParallelFor(2 * kTexts, 2, [&](std::size_t i) {
    const std::size_t text = i < kTexts ? i : 2 * kTexts - 1 - i;
    ids[i] = table.Intern("CALL" + std::to_string(text));
  });
  std::set<std::uint32_t> distinct;
  for (std::size_t text = 0; text < kTexts; ++text) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ids[text], ids[2 * kTexts - 1 - text]);
    EXPECT_EQ(table.Text(ids[text]), "CALL" + std::to_string(text));
    EXPECT_TRUE(table.Has(ids[text]));
    EXPECT_LT(ids[text], table.IdLimit());
    distinct.insert(ids[text]);
  }
  EXPECT_EQ(distinct.size(), kTexts);
}
