// The statistics window as a rebuild sees it, with no messages waiting: keeps the report it is
// shown and has no map to move. For the tests and benchmarks that rebuild outside a window.
#pragma once

#include <string>

#include "scoring/recalc_host.h"
#include "scoring/scoring_state.h"

class QuietRecalcHost : public RecalcHost {
 public:
  explicit QuietRecalcHost(const ScoringState& state) : state_(&state) {}

  void ProcessMessages() override {}
  void SetActionEnabled(bool) override {}
  std::string LogTable() override { return logTable; }
  std::string OwnLocator() override { return ownLocator; }
  void ShowStatistic() override { report = state_->ReportText(); }
  void ClearStatistic() override { report.clear(); }
  void SelectMapBand(int) override {}

  std::string logTable = "QSOLog";
  std::string ownLocator = "JO31";
  std::string report;

 private:
  const ScoringState* state_;
};
