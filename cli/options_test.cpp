#include "cli/options.h"

#include <gtest/gtest.h>

TEST(ParseOptions, ReadsEveryOption) {
  const Options options = ParseOptions({"--own", "JO31", "--table=Log", "--fields", "--json",
                                        "--verbose", "--map", "out.svg", "--jobs", "4", "a.adi"});
  EXPECT_EQ(options.own, "JO31");
  EXPECT_EQ(options.table, "Log");
  EXPECT_EQ(options.mapFile, "out.svg");
  EXPECT_TRUE(options.fields);
  EXPECT_TRUE(options.json);
  EXPECT_TRUE(options.verbose);
  EXPECT_EQ(options.jobs, 4u);
  EXPECT_EQ(options.files, std::vector<std::string>{"a.adi"});

  EXPECT_EQ(ParseOptions({"-", "--", "--json", "b.log"}).files,
            (std::vector<std::string>{"-", "--json", "b.log"}));
  EXPECT_TRUE(ParseOptions({"--help"}).help);
}

TEST(ParseOptions, RejectsWhatDoesNotFit) {
  struct Case {
    std::vector<std::string> arguments;
    std::string error;
  } cases[] = {
      {{}, "no log given"},
      {{"--own"}, "--own needs a value"},
      {{"--fields=yes", "a.log"}, "--fields takes no value"},
      {{"--jobs", "0", "a.log"}, "--jobs needs a whole number above 0, not '0'"},
      {{"--jobs", "2x", "a.log"}, "--jobs needs a whole number above 0, not '2x'"},
      {{"--colour", "a.log"}, "unknown option --colour"},
      {{"--fields", "a.log", "b.log"}, "--fields and --map apply to one log at a time"},
      {{"--map", "m.svg", "a.log", "b.log"}, "--fields and --map apply to one log at a time"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    try {
      ParseOptions(c.arguments);
      ADD_FAILURE() << "no error";
    } catch (const UsageError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}
