#include "cli/options.h"

#include <gtest/gtest.h>

TEST(ParseOptions, ReadsEveryOption) {
  const Options options = ParseOptions(
      {"--own",      " jo31lk",    "--table=Log",  "--fields", "--json", "--verbose",
       "--map",      "out.SVG",    "--cabrillo",   "out.log",  "--from", "2025-08-30T12:00",
       "--to",       "2025-08-30", "--contest-id", "ww-digi",  "--jobs", "4",
       "--encoding", "cp1251",     "a.adi"});
  EXPECT_EQ(options.own, "JO31LK");
  EXPECT_EQ(options.cabrilloFile, "out.log");
  EXPECT_EQ(options.filter.from, 1756555200);
  EXPECT_EQ(options.filter.to, 1756598400);  // the end of that day
  EXPECT_EQ(options.filter.contestId, "WW-DIGI");
  EXPECT_EQ(options.table, "Log");
  EXPECT_EQ(options.mapFile, "out.SVG");
  EXPECT_TRUE(options.fields);
  EXPECT_TRUE(options.json);
  EXPECT_TRUE(options.verbose);
  EXPECT_EQ(options.jobs, 4u);
  ASSERT_TRUE(options.codePage.has_value());
  EXPECT_EQ(options.codePage->Name(), "cp1251");
  EXPECT_FALSE(ParseOptions({"--encoding", "UTF-8", "a.adi"}).codePage.has_value());
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
      {{"-v", "a.log"}, "unknown option -v"},
      {{"--fields", "a.log", "b.log"}, "--fields, --map and --cabrillo apply to one log at a time"},
      {{"--map", "m.svg", "a.log", "b.log"},
       "--fields, --map and --cabrillo apply to one log at a time"},
      {{"--cabrillo", "c.log", "a.log", "b.log"},
       "--fields, --map and --cabrillo apply to one log at a time"},
      {{"--map", "map.png", "a.log"},
       "--map draws an SVG picture: give a file name ending in .svg, not 'map.png'"},
      {{"--map", ".svg", "a.log"},
       "--map draws an SVG picture: give a file name ending in .svg, not '.svg'"},
      {{"--from", "2025-08-30T25:00", "a.log"},
       "--from needs a UTC date and time such as 2025-08-30T12:00, not '2025-08-30T25:00'"},
      {{"--to", "soon", "a.log"},
       "--to needs a UTC date and time such as 2025-08-30T12:00, not 'soon'"},
      {{"--from", "2025-08-31", "--to", "2025-08-30T12:00", "a.log"},
       "--from must come before --to"},
      {{"--encoding", "utf-16", "a.log"},
       "--encoding needs a single-byte code page (cp1250, cp1251, cp1252, iso-8859-1, "
       "iso-8859-2, iso-8859-5, koi8-r, ...) or utf-8, not 'utf-16'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    try {
      ParseOptions(c.arguments);
      ADD_FAILURE() << "no error";
    } catch (const CommandLineError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
}

TEST(ParseOptions, TheHelpNamesEveryOptionAndStandardInput) {
  for (const char* option : {"--own",
                             "--table",
                             "--from",
                             "--to",
                             "--contest-id",
                             "--fields",
                             "--json",
                             "--map",
                             "--cabrillo",
                             "--verbose",
                             "--jobs",
                             "--encoding",
                             "--help",
                             "'-' reads the log from standard input",
                             "Cabrillo",
                             "EDI",
                             "ADIF",
                             "ADX",
                             "SQLite",
                             "UTF-16",
                             "docs/score-result.schema.json"}) {
    EXPECT_NE(std::string(kUsage).find(option), std::string::npos) << option;
  }
}
