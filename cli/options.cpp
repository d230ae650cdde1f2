#include "cli/options.h"

#include <charconv>

const char* const kUsage =
    "Usage: marovinta-score [OPTION]... LOG...\n"
    "Scores contest logs for Marovinta on the plug-in's own engine.\n"
    "\n"
    "A log is a Cabrillo 3.0 file whose QSO lines carry both grids, an ADIF (.adi) file, or an\n"
    "SQLite database holding the host's log table; the kind is told from the content. QSOs are\n"
    "scored in the order of the file, as they were logged (an SQLite table by row id, while the\n"
    "plug-in's own rebuild takes the callsign order).\n"
    "\n"
    "With one LOG the plug-in's report is printed; with several, one summary line per log\n"
    "(file, call, own grid, QSOs, duplicates, points, fields, score), scored on all cores.\n"
    "\n"
    "  --own LOCATOR   own locator (wins over the log's; needed for an SQLite log)\n"
    "  --table NAME    the log table of an SQLite file (default: the one with the log columns)\n"
    "  --fields        also list the worked fields of each band\n"
    "  --json          a machine-readable result (an array with several logs)\n"
    "  --map FILE.svg  draw the worked fields of each band as a map\n"
    "  --verbose       begin with the log's station, own grid and QSO count\n"
    "  --jobs N        score several logs on N threads (default: one per core)\n"
    "  -h, --help      show this help\n"
    "\n"
    "Warnings (a line that cannot be read) go to standard error. Exit status: 0 when every log\n"
    "was scored, 1 when a file could not be scored, 2 for a wrong command line.\n";

namespace {
unsigned ReadJobs(const std::string& text) {
  unsigned jobs = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), jobs);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || jobs == 0) {
    throw UsageError("--jobs needs a whole number above 0, not '" + text + "'");
  }
  return jobs;
}
}  // namespace

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  bool onlyFiles = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (onlyFiles || argument == "-" || argument.rfind("-", 0) != 0) {
      options.files.push_back(argument);
      continue;
    }
    std::string value;
    bool hasValue = false;
    if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
      value = argument.substr(equals + 1);
      argument.resize(equals);
      hasValue = true;
    }
    const auto takeValue = [&]() {
      if (!hasValue) {
        if (i + 1 >= arguments.size()) {
          throw UsageError(argument + " needs a value");
        }
        value = arguments[++i];
      }
      return value;
    };
    const auto noValue = [&]() {
      if (hasValue) {
        throw UsageError(argument + " takes no value");
      }
    };
    if (argument == "--") {
      noValue();
      onlyFiles = true;
    } else if (argument == "--own") {
      options.own = takeValue();
    } else if (argument == "--table") {
      options.table = takeValue();
    } else if (argument == "--map") {
      options.mapFile = takeValue();
    } else if (argument == "--jobs") {
      options.jobs = ReadJobs(takeValue());
    } else if (argument == "--fields") {
      noValue();
      options.fields = true;
    } else if (argument == "--json") {
      noValue();
      options.json = true;
    } else if (argument == "--verbose") {
      noValue();
      options.verbose = true;
    } else if (argument == "-h" || argument == "--help") {
      noValue();
      options.help = true;
    } else {
      throw UsageError("unknown option " + argument);
    }
  }
  if (options.help) {
    return options;
  }
  if (options.files.empty()) {
    throw UsageError("no log given");
  }
  if (options.files.size() > 1 && (options.fields || !options.mapFile.empty())) {
    throw UsageError("--fields and --map apply to one log at a time");
  }
  return options;
}
