// The rebuild of the scoring state from the host's log, and the action RecalcStatistic that runs
// it. The worked list keeps itself in byte order as rows are added, so the database's own order of
// the callsigns (which may ignore letter case or punctuation) never hides a duplicate.
#include <utility>

#include "scoring/main_form_scoring.h"
#include "scoring/text_rules.h"

namespace {
// The log columns a rebuild copies into the record, in the order it reads them.
struct LogColumn {
  const char* name;
  ShortString TContestData::*field;
  std::string (*change)(std::string);  // nullptr: stored as read
};

const LogColumn kLogColumns[] = {
    {"QSOReportRecived", &TContestData::QSOReportRecived, nullptr},
    {"DXCCPrefix", &TContestData::DXCCPrefix, nullptr},
    {"MainPrefix", &TContestData::MainPrefix, nullptr},
    {"CallSign", &TContestData::CallSign, nullptr},
    {"DigiBand", &TContestData::DigiBand, nullptr},
    {"QSOMode", &TContestData::QSOMode, nullptr},
    {"Continent", &TContestData::Continent, UpperAscii},
};

// Each field takes at most 255 characters of its column (ShortString::Write cuts).
void CopyLogRow(LogQuery& query, TContestData& data) {
  for (const LogColumn& column : kLogColumns) {
    std::string value = query.FieldByName(column.name);
    (data.*column.field).Write(column.change ? column.change(std::move(value)) : value);
  }
}
}  // namespace

// Counts the rebuilds running; the last one out moves the map to the band the rows asked for,
// then carries out a teardown asked for meanwhile.
class MainFormScoring::RebuildScope {
 public:
  explicit RebuildScope(MainFormScoring& scoring) : scoring_(scoring) { ++scoring_.rebuilds_; }
  ~RebuildScope() {
    if (--scoring_.rebuilds_ != 0) {
      return;
    }
    if (const int band = std::exchange(scoring_.followedBand_, 0)) {
      try {
        scoring_.SelectBandOnMap(band);
      } catch (...) {
        // Nothing may leave a destructor; the map keeps the band it showed.
      }
    }
    if (scoring_.tearDownAsked_) {
      scoring_.tearDownAsked_ = false;
      scoring_.TearDownNow();
      scoring_.closedAfterRebuild_ = true;
    }
  }
  RebuildScope(const RebuildScope&) = delete;
  RebuildScope& operator=(const RebuildScope&) = delete;

 private:
  MainFormScoring& scoring_;
};

void MainFormScoring::ExecuteRecalcStatistic(RecalcHost& host) {
  if (recalcEnabled_) {
    RecalcStatisticExecute(host);
  }
}

void MainFormScoring::SetRecalcEnabled(RecalcHost& host, bool enabled) {
  recalcEnabled_ = enabled;
  host.SetActionEnabled(enabled);
}

void MainFormScoring::RecalcStatisticExecute(RecalcHost& host) {
  RebuildScope rebuilding(*this);
  host.ProcessMessages();
  SetRecalcEnabled(host, false);
  try {
    RecalcFromLog(host);
    ShowStatistic();
  } catch (...) {
    SetRecalcEnabled(host, true);
    throw;
  }
  SetRecalcEnabled(host, true);
}

void MainFormScoring::RecalcFromLog(RecalcHost& host) {
  RebuildScope rebuilding(*this);
  const std::string savedBand = data_.DigiBand.Read();
  WorkedList.Clear();
  BandStats.Clear();
  report_.SetText("");
  WorkedFields.Clear();
  if (!logQuery_) {
    throw NoConnection();
  }
  LogQuery& query = *logQuery_;
  query.Close();
  query.SetSQL(LogSelect(data_.LogTable.Read()));
  query.Open();
  host.ProcessMessages();
  // A rebuild run at the message point above (not through the greyed action) reads the query to
  // its end and closes it: this one then finds it at its end.
  while (!query.Eof()) {
    CopyLogRow(query, data_);
    ScoreQSO(true);
    query.Next();
  }
  query.Close();
  data_.DigiBand.Write(savedBand);
}

bool MainFormScoring::TakeDeferredClose() {
  if (Rebuilding() || !closedAfterRebuild_) {
    return false;
  }
  closedAfterRebuild_ = false;
  return true;
}
