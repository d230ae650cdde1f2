// What the fuzzers do with one input, and what the test run does with each file of their corpus:
// read it as a log, score it, and write every output from it. Nothing may crash or hang; a log
// refused with its message is a fine outcome.
#pragma once

#include <string_view>

#include "cli/cabrillo_writer.h"
#include "cli/field_map_svg.h"
#include "cli/json_output.h"
#include "cli/scored_log.h"
#include "cli/text_output.h"
#include "logfiles/log_format.h"

inline void ScoreFuzzInput(const ContestLog& log) {
  Options options;
  ScoredLog scored = ScoreLog("fuzz", log, options);
  if (scored.Failed()) {
    options.own = "JO31";  // a log without an own locator still gets scored
    scored = ScoreLog("fuzz", log, options);
  }
  ReportOutput(scored.score);
  FieldsOutput(scored.score);
  HeaderLines(scored);
  SummaryLine(scored);
  WarningLines(scored);
  JsonResult(scored);
  FieldMapSvg(scored);
  if (!scored.Failed()) {
    try {
      CabrilloLog(scored, "");
    } catch (const LogError&) {
    }
  }
  DetectFormat(std::string_view(scored.log.format));
}

template <typename Reader>
void FuzzOne(Reader read, std::string_view text) {
  DetectFormat(text);
  try {
    ScoreFuzzInput(read(text));
  } catch (const LogError&) {
  }
}
