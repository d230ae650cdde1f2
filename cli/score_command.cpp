#include "cli/score_command.h"

#include <fstream>

#include "cli/field_map_svg.h"
#include "cli/json_output.h"
#include "cli/ordered_pool.h"
#include "cli/text_output.h"

namespace {
// A file that cannot be scored costs only its own result, whatever went wrong with it.
template <typename Body>
JobOutput Guarded(const std::string& file, const Options& options, Body body) {
  try {
    return body();
  } catch (const std::exception& error) {
    JobOutput output;
    output.failed = true;
    output.err = file + ": error: " + error.what() + "\n";
    if (options.json && options.files.size() > 1) {
      output.out = JsonError(file, error.what());
    }
    return output;
  }
}

void WriteMap(const ScoredLog& scored, const std::string& path) {
  std::ofstream file(path, std::ios::binary);
  file << FieldMapSvg(scored);
  file.close();
  if (!file) {
    throw LogError("cannot write the map to " + path);
  }
}

JobOutput ScoreOne(const std::string& file, const Options& options) {
  const ScoredLog scored = ScoreLogFile(file, options.own, options.table);
  JobOutput output;
  output.err = WarningLines(scored);
  if (options.json) {
    output.out = JsonResult(scored) + "\n";
  } else {
    output.out = (options.verbose ? HeaderLine(scored) : "") + ReportOutput(scored.score) +
                 (options.fields ? "\n" + FieldsOutput(scored.score) : "");
  }
  if (!options.mapFile.empty()) {
    WriteMap(scored, options.mapFile);
  }
  return output;
}

JobOutput SummarizeOne(const std::string& file, const Options& options) {
  const ScoredLog scored = ScoreLogFile(file, options.own, options.table);
  JobOutput output;
  output.err = WarningLines(scored);
  output.out = options.json ? JsonResult(scored) : SummaryLine(scored);
  return output;
}
}  // namespace

int RunScorer(const Options& options, std::ostream& out, std::ostream& err) {
  const std::vector<std::string>& files = options.files;
  bool failed = false;
  if (files.size() == 1) {
    const JobOutput output =
        Guarded(files[0], options, [&]() { return ScoreOne(files[0], options); });
    err << output.err;
    out << output.out;
    return output.failed ? 1 : 0;
  }
  out << (options.json ? "[\n" : SummaryHeader());
  bool first = true;
  RunInOrder(
      files.size(), options.jobs,
      [&](std::size_t i) {
        return Guarded(files[i], options, [&]() { return SummarizeOne(files[i], options); });
      },
      [&](const JobOutput& output) {
        err << output.err;
        if (options.json) {
          out << (first ? "" : ",\n") << output.out;
          first = false;
        } else {
          out << output.out;
        }
        failed = failed || output.failed;
      });
  if (options.json) {
    out << "\n]\n";
  }
  return failed ? 1 : 0;
}
