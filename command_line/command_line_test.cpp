#include "command_line/command_line.h"

#include <gtest/gtest.h>

// Every shape of argument, read with one option (--out) and two flags (--verbose, --help), as the
// scorer, the check and the simulator all read theirs.
TEST(ParseArguments, EveryShapeOfArgument) {
  const struct {
    std::vector<std::string> arguments;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> operands;
    const char* error;
  } cases[] = {
      {{"--verbose"}, {}, {"--verbose"}, {}, ""},
      {{"--out=X", "a"}, {{"--out", "X"}}, {}, {"a"}, ""},
      {{"--out", "X", "a"}, {{"--out", "X"}}, {}, {"a"}, ""},
      {{"--out="}, {{"--out", ""}}, {}, {}, ""},
      {{"--out", "--verbose"}, {{"--out", "--verbose"}}, {}, {}, ""},  // a value, whatever it is
      {{"--out=a=b"}, {{"--out", "a=b"}}, {}, {}, ""},
      {{"--out", "X", "--out", "Y"}, {{"--out", "Y"}}, {}, {}, ""},  // the last one counts
      {{"-h"}, {}, {"--help"}, {}, ""},
      {{"-", "a"}, {}, {}, {"-", "a"}, ""},  // '-': standard input
      {{"a", "--", "-v", "--out", "-h", "--"}, {}, {}, {"a", "-v", "--out", "-h", "--"}, ""},
      {{""}, {}, {}, {""}, ""},
      {{"-v"}, {}, {}, {}, "unknown option -v"},
      {{"a", "-vx"}, {}, {}, {}, "unknown option -vx"},
      {{"--colour", "a"}, {}, {}, {}, "unknown option --colour"},
      {{"--=x"}, {}, {}, {}, "unknown option --"},
      {{"--out"}, {}, {}, {}, "--out needs a value"},
      {{"--verbose=yes"}, {}, {}, {}, "--verbose takes no value"},
      {{"-h=yes"}, {}, {}, {}, "-h takes no value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    try {
      const Arguments parsed = ParseArguments(c.arguments, {"--out"}, {"--verbose", "--help"});
      EXPECT_STREQ("", c.error);
      EXPECT_EQ(parsed.values, c.values);
      EXPECT_EQ(parsed.flags, c.flags);
      EXPECT_EQ(parsed.operands, c.operands);
    } catch (const CommandLineError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}
