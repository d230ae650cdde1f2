#include "cli/scored_log.h"

#include "cli/log_reader.h"
#include "cli/own_locator.h"

ScoredLog ScoreLogFile(const std::string& path, const std::string& ownLocator,
                       const std::string& table) {
  ScoredLog scored;
  scored.file = path;
  scored.log = ReadLogFile(path, table);
  scored.ownLocator = ChooseOwnLocator(ownLocator, scored.log);
  scored.score = ScoreQsos(scored.log.qsos, scored.ownLocator);
  return scored;
}
