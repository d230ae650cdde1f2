#include "cli/score_command.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

#include "cli/cabrillo_writer.h"
#include "cli/field_map_svg.h"
#include "cli/json_output.h"
#include "cli/ordered_pool.h"
#include "cli/progress_line.h"
#include "cli/text_output.h"

namespace {
std::string ErrorText(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) {
    return "out of memory";
  }
  return error.what();
}

// A log fails the run when it could not be scored, and when it was cut short: a contester who
// checks a log before sending it learns that QSOs may be lost, from the status as from a warning.
bool FailsTheRun(const ScoredLog& scored) {
  return scored.Failed() || scored.log.cutShort;
}

// A file whose scoring failed unexpectedly costs only its own result, whatever went wrong.
template <typename Body>
JobOutput Guarded(const std::string& file, const Options& options, bool many, Body body) {
  try {
    return body();
  } catch (const std::exception& error) {
    ScoredLog failed;
    failed.file = file;
    failed.error = ErrorText(error);
    JobOutput output;
    output.failed = true;
    output.err = ErrorLine(file, failed.error);
    if (options.json) {
      output.out = JsonError(file, failed.error) + (many ? "" : "\n");
    } else if (many) {
      output.out = SummaryLine(failed);
    }
    return output;
  }
}

void WriteFile(const std::string& path, const std::string& content, const std::string& what) {
  std::ofstream file(path, std::ios::binary);
  file << content;
  file.close();
  if (!file) {
    throw LogError("cannot write the " + what + " to " + path + ": " + std::strerror(errno));
  }
}

// --map and --cabrillo; a failure is the log's, after its score has been printed.
void WriteFiles(const ScoredLog& scored, const Options& options, JobOutput& output) {
  try {
    if (!options.mapFile.empty()) {
      WriteFile(options.mapFile, FieldMapSvg(scored), "map");
    }
    if (!options.cabrilloFile.empty()) {
      WriteFile(options.cabrilloFile, CabrilloLog(scored, options.filter.contestId),
                "Cabrillo log");
    }
  } catch (const LogError& error) {
    output.err += ErrorLine(scored.file, error.what(), error.Line());
    output.failed = true;
  }
}

JobOutput ScoreOne(const std::string& file, const Options& options) {
  const ScoredLog scored = ScoreLogFile(file, options);
  JobOutput output;
  output.err = WarningLines(scored);
  output.failed = FailsTheRun(scored);
  if (options.json) {
    output.out = JsonResult(scored) + "\n";
  } else if (!scored.Failed()) {
    output.out = (options.verbose ? HeaderLines(scored) : "") + ReportOutput(scored.score) +
                 (options.fields ? "\n" + FieldsOutput(scored.score) : "");
  }
  if (!scored.Failed()) {
    WriteFiles(scored, options, output);
  }
  return output;
}

JobOutput SummarizeOne(const std::string& file, const Options& options) {
  const ScoredLog scored = ScoreLogFile(file, options);
  JobOutput output;
  output.err = WarningLines(scored);
  output.out = options.json ? JsonResult(scored) : SummaryLine(scored);
  output.failed = FailsTheRun(scored);
  output.qsos = scored.log.qsos.size();
  return output;
}

int RunMany(const Options& options, std::ostream& out, std::ostream& err) {
  const std::vector<std::string>& files = options.files;
  ProgressLine progress(err, files.size(), options.progress);
  bool failed = false;
  bool first = true;
  out << (options.json ? "[\n" : SummaryHeader());
  RunInOrder(
      files.size(), options.jobs,
      [&](std::size_t i) {
        return Guarded(files[i], options, true, [&]() { return SummarizeOne(files[i], options); });
      },
      [&](const JobOutput& output) {
        progress.Erase();
        err << output.err;
        out << (options.json && !first ? ",\n" : "") << output.out;
        if (options.progress) {
          out.flush();  // before the progress line is drawn again on the same terminal
        }
        first = false;
        failed = failed || output.failed;
        progress.LogDone(output.qsos);
      });
  progress.Erase();
  if (options.json) {
    out << "\n]\n";
  }
  return failed ? 1 : 0;
}
}  // namespace

int RunScorer(const Options& options, std::ostream& out, std::ostream& err) {
  int status = 0;
  if (options.files.size() == 1) {
    const std::string& file = options.files.front();
    const JobOutput output =
        Guarded(file, options, false, [&]() { return ScoreOne(file, options); });
    err << output.err;
    out << output.out;
    status = output.failed ? 1 : 0;
  } else {
    status = RunMany(options, out, err);
  }
  if (!out.flush()) {
    err << "marovinta-score: error: cannot write the results to standard output\n";
    return 1;
  }
  return status;
}
