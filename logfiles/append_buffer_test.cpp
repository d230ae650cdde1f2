#include "logfiles/append_buffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

namespace {
std::string TextOf(const AppendBuffer& buffer) {
  return std::string(buffer.data(), buffer.size());
}

void Append(AppendBuffer& buffer, const std::string& text) {
  std::memcpy(buffer.Extend(text.size()), text.data(), text.size());
}

// Appending past every room it had (from one byte to several MiB, where blocks are mapped on their
// own) keeps every byte; copies are independent, and a moved-from buffer is empty.
TEST(AppendBuffer, KeepsEveryByteAsItGrowsAndIsCopiedOrMoved) {
  AppendBuffer buffer(std::string_view("", 1));
  std::string expected(1, '\0');
  for (int i = 0; i < 400000; ++i) {
    const std::string text = std::to_string(i) + ";";
    Append(buffer, text);
    expected += text;
  }
  ASSERT_EQ(TextOf(buffer), expected);

  AppendBuffer copy = buffer;
  Append(copy, "copy");
  EXPECT_EQ(TextOf(buffer), expected);
  EXPECT_EQ(TextOf(copy), expected + "copy");

  AppendBuffer moved = std::move(copy);
  EXPECT_EQ(TextOf(moved), expected + "copy");
  EXPECT_EQ(copy.size(), 0u);

  buffer = moved;
  EXPECT_EQ(TextOf(buffer), expected + "copy");
}

TEST(AppendBuffer, ReserveKeepsTheBytesAndLeavesTheSize) {
  AppendBuffer buffer(std::string_view("abc"));
  buffer.Reserve(std::size_t{5} << 20);
  EXPECT_EQ(TextOf(buffer), "abc");
  const char* const data = buffer.data();
  Append(buffer, std::string(std::size_t{4} << 20, 'x'));
  EXPECT_EQ(buffer.data(), data);  // no reallocation within the room reserved
  EXPECT_EQ(buffer.size(), 3 + (std::size_t{4} << 20));
}
}  // namespace
