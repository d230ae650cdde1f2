#include "logfiles/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TextLines, EndsLinesAtLfCrLfAndCrAlone) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\ntwo\n", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\rtwo\r", {"one", "two"}},
      {"one\r\rthree", {"one", "", "three"}},
      {"one\n\r\nthree\r\n\n", {"one", "", "three", ""}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two line ends
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TextLines lines(c.text);
    std::vector<std::string> seen;
    std::string_view line;
    while (lines.Next(&line)) {
      seen.emplace_back(line);
      EXPECT_EQ(lines.Number(), static_cast<std::int64_t>(seen.size()));
    }
    EXPECT_EQ(seen, c.lines);
  }
}
