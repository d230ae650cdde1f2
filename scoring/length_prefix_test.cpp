#include "scoring/length_prefix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Lengths at each change of the prefix's size: written either way, a text reads back whole, and
// the prefix takes the bytes said.
TEST(LengthPrefix, EveryLengthReadsBackAsWritten) {
  for (const std::size_t length : {0u, 1u, 127u, 128u, 300u, 16383u, 16384u, 2097152u}) {
    SCOPED_TRACE(length);
    const std::string text(length, 'x');
    std::string written(LengthPrefixSize(length) + length, '\0');
    char* const textStart = WriteLengthPrefix(length, written.data());
    EXPECT_EQ(textStart - written.data(), static_cast<std::ptrdiff_t>(LengthPrefixSize(length)));
    text.copy(textStart, length);
    EXPECT_EQ(PrefixedTextAt(written.data()), text);

    std::vector<char> appended;
    AppendLengthPrefix(appended, length);
    EXPECT_EQ(std::string(appended.begin(), appended.end()), written.substr(0, appended.size()));
    EXPECT_EQ(appended.size(), LengthPrefixSize(length));
  }
}
