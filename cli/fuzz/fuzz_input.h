// What the fuzzers do with one input, and what the test run does with each file of their corpus:
// read it as a log, score it, and write every output from it. Nothing may crash or hang.
#pragma once

#include <string_view>

#include "cli/field_map_svg.h"
#include "cli/json_output.h"
#include "cli/log_format.h"
#include "cli/own_locator.h"
#include "cli/scored_log.h"
#include "cli/text_output.h"

inline void ScoreFuzzInput(ContestLog log) {
  ScoredLog scored;
  scored.file = "fuzz";
  scored.log = std::move(log);
  try {
    scored.ownLocator = ChooseOwnLocator("", scored.log);
  } catch (const LogError&) {
    scored.ownLocator = ChooseOwnLocator("JO31", scored.log);
  }
  scored.score = ScoreQsos(scored.log.qsos, scored.ownLocator);
  ReportOutput(scored.score);
  FieldsOutput(scored.score);
  SummaryLine(scored);
  WarningLines(scored);
  JsonResult(scored);
  FieldMapSvg(scored);
  DetectFormat(std::string_view(scored.log.format));
}
