#include "cli/options.h"

#include <charconv>
#include <stdexcept>

#include "logfiles/log_text.h"

const char* const kUsage =
    "Usage: marovinta-score [OPTION]... LOG...\n"
    "Scores contest logs for Marovinta on the plug-in's own engine.\n"
    "\n"
    "A LOG is a Cabrillo 3.0 file, an EDI (REG1TEST) file, an ADIF (.adi) or ADX (.adx) file, or\n"
    "an SQLite database holding the host's log table; the kind is told from the content. Text\n"
    "files may be UTF-8, a single-byte code page (see --encoding), or UTF-16 with its byte-order\n"
    "mark, with any line ends. '-' reads the log from standard input (not an SQLite database),\n"
    "kept in a temporary file in $TMPDIR (else /tmp) while it is read. A log larger than 4 GiB is\n"
    "refused (no log comes near; endless input stops there). QSOs are scored in the order of the\n"
    "file, as they were logged (an SQLite table by row id, while the plug-in's own rebuild takes\n"
    "the callsign order).\n"
    "\n"
    "Each distance is measured from the own square of its QSO (a rover's changes): the own grid "
    "of\n"
    "its Cabrillo line, its ADIF MY_GRIDSQUARE, its EDI section's PWWLo; where a QSO names none,\n"
    "the Cabrillo GRID-LOCATOR.\n"
    "\n"
    "With one LOG the plug-in's report is printed; with several, one tab-separated summary line\n"
    "per log (file, call, own grids, QSOs read with duplicates, duplicates, points, fields, "
    "score,\n"
    "error), scored on all cores. A log that cannot be scored keeps its line, with its error.\n"
    "\n"
    "  --own LOCATOR      own locator for every QSO (wins over the log's; needed for an SQLite\n"
    "                     log)\n"
    "  --table NAME       the log table of an SQLite file (default: the one with the log columns)\n"
    "  --from TIME        score only QSOs at or after TIME (UTC: 2025-08-30, 2025-08-30T12:00,\n"
    "                     '2025-08-30 1200'; a date alone is the start of that day)\n"
    "  --to TIME          score only QSOs before TIME (a date alone: up to the end of that day)\n"
    "  --contest-id ID    score only QSOs of that contest (ADIF CONTEST_ID, Cabrillo CONTEST,\n"
    "                     EDI TName), letter case aside\n"
    "  --fields           also list the worked fields of each band\n"
    "  --json             a machine-readable result (an array with several logs); its layout is\n"
    "                     docs/score-result.schema.json\n"
    "  --map FILE.svg     draw the worked fields of each band as a map\n"
    "  --cabrillo FILE    write the scored log as a Cabrillo 3.0 file with CLAIMED-SCORE and\n"
    "                     GRID-LOCATOR, to send it to the contest\n"
    "  --verbose          begin with the log's station, own grids and QSO count, and why QSOs\n"
    "                     scored 0\n"
    "  --jobs N           score several logs on N threads (default: one per core)\n"
    "  --encoding NAME    read a log that is not UTF-8 as written in the single-byte code page\n"
    "                     NAME (cp1250, cp1251, cp1252, iso-8859-1, iso-8859-2, iso-8859-5,\n"
    "                     koi8-r, any other that iconv knows) and show its texts in UTF-8; a "
    "UTF-8\n"
    "                     log stays as it is, an ADX log that declares its encoding is read as it\n"
    "                     declares (default: a log's bytes as they are)\n"
    "  -h, --help         show this help\n"
    "\n"
    "Warnings (a line that cannot be read) go to standard error, and with several logs on a\n"
    "terminal a progress line. A log cut short (an ADX document that breaks off, an ADIF record\n"
    "without <EOR> at the end, a Cabrillo log without END-OF-LOG:) is scored as far as it reads,\n"
    "with a warning. Exit status: 0 when every log was scored, 1 when a file could not be scored\n"
    "or was cut short or an output not be written, 2 for a wrong command line.\n";

namespace {
unsigned ReadJobs(const std::string& text) {
  unsigned jobs = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || jobs == 0) {
    throw CommandLineError("--jobs needs a whole number above 0, not '" + text + "'");
  }
  return jobs;
}

std::int64_t ReadTime(const std::string& option, const std::string& text, bool endOfDay) {
  const std::optional<std::int64_t> time = ParseUtcTime(text, endOfDay);
  if (!time) {
    throw CommandLineError(option + " needs a UTC date and time such as 2025-08-30T12:00, not '" +
                           text + "'");
  }
  return *time;
}

std::optional<CodePage> ReadEncoding(const std::string& name) {
  try {
    return EncodingOption(name);
  } catch (const std::invalid_argument& error) {
    throw CommandLineError(error.what());
  }
}

bool EndsWithSvg(const std::string& path) {
  return path.size() > 4 &&
         EqualsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".svg");
}

void CheckCombination(const Options& options) {
  if (options.files.empty()) {
    throw CommandLineError("no log given");
  }
  if (options.files.size() > 1 &&
      (options.fields || !options.mapFile.empty() || !options.cabrilloFile.empty())) {
    throw CommandLineError("--fields, --map and --cabrillo apply to one log at a time");
  }
  if (!options.mapFile.empty() && !EndsWithSvg(options.mapFile)) {
    throw CommandLineError("--map draws an SVG picture: give a file name ending in .svg, not '" +
                           options.mapFile + "'");
  }
  if (options.filter.from && options.filter.to && *options.filter.from >= *options.filter.to) {
    throw CommandLineError("--from must come before --to");
  }
}
}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments) {
  const Arguments parsed = ParseArguments(arguments,
                                          {"--own", "--table", "--from", "--to", "--contest-id",
                                           "--map", "--cabrillo", "--jobs", "--encoding"},
                                          {"--fields", "--json", "--verbose", "--help"});
  const auto given = [&](const char* option) {
    return parsed.Has(option) ? parsed.values.at(option) : std::string();
  };
  Options options;
  options.files = parsed.operands;
  options.own = UpperTrimmed(given("--own"));
  options.table = given("--table");
  if (parsed.Has("--from")) {
    options.filter.from = ReadTime("--from", given("--from"), false);
  }
  if (parsed.Has("--to")) {
    options.filter.to = ReadTime("--to", given("--to"), true);
  }
  options.filter.contestId = UpperTrimmed(given("--contest-id"));
  options.mapFile = given("--map");
  options.cabrilloFile = given("--cabrillo");
  if (parsed.Has("--jobs")) {
    options.jobs = ReadJobs(given("--jobs"));
  }
  if (parsed.Has("--encoding")) {
    options.codePage = ReadEncoding(given("--encoding"));
  }
  options.fields = parsed.flags.count("--fields") != 0;
  options.json = parsed.flags.count("--json") != 0;
  options.verbose = parsed.flags.count("--verbose") != 0;
  options.help = parsed.flags.count("--help") != 0;
  if (!options.help) {
    CheckCombination(options);
  }
  return options;
}
