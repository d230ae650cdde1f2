#include "scoring/log_rebuild.h"

#include <iterator>
#include <utility>
#include <vector>

#include "scoring/band_names.h"
#include "scoring/text_rules.h"

namespace {
// The columns of the host's log, in the order a row is read. Three of them are not scored, but
// every log of the host has them: a table without one is not the host's log.
struct LogColumn {
  const char* name;
  std::string Qso::*field;  // nullptr: asked for, not scored
};

const LogColumn kLogColumns[] = {
    {"QSOReportRecived", &Qso::reportReceived},
    {"DXCCPrefix", nullptr},
    {"MainPrefix", nullptr},
    {"CallSign", &Qso::callSign},
    {"DigiBand", &Qso::band},
    {"QSOMode", &Qso::mode},
    {"Continent", nullptr},
};

// The columns that are not scored are not read: all the rebuild needs of them is that they exist.
std::vector<LogField> LogFields() {
  std::vector<LogField> fields;
  for (const LogColumn& column : kLogColumns) {
    fields.push_back({column.name, column.field != nullptr});
  }
  return fields;
}

// Reads the row into `qso`, whose texts keep their room from row to row.
void ReadLogRow(LogQuery& query, Qso& qso) {
  for (std::size_t i = 0; i < std::size(kLogColumns); ++i) {
    const std::string_view value = query.Field(i);
    if (kLogColumns[i].field != nullptr) {
      (qso.*kLogColumns[i].field).assign(value);
    }
  }
}
}  // namespace

// Counts the rebuilds running; the last one out moves the map to the band the rows asked for,
// then carries out a teardown asked for meanwhile.
class LogRebuild::RunningScope {
 public:
  explicit RunningScope(LogRebuild& rebuild) : rebuild_(rebuild) { ++rebuild_.running_; }
  ~RunningScope() {
    if (--rebuild_.running_ != 0) {
      return;
    }
    if (const int band = std::exchange(rebuild_.followedBand_, 0)) {
      try {
        rebuild_.host_.SelectMapBand(band);
      } catch (...) {
        // Nothing may leave a destructor; the map keeps the band it showed.
      }
    }
    if (rebuild_.tearDownAsked_) {
      rebuild_.tearDownAsked_ = false;
      rebuild_.TearDownNow();
      rebuild_.closedAfterRebuild_ = true;
    }
  }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  LogRebuild& rebuild_;
};

LogRebuild::LogRebuild(ScoringState& state, RecalcHost& host, std::unique_ptr<LogQuery> query)
    : state_(state), host_(host), query_(std::move(query)) {}

void LogRebuild::Execute() {
  if (enabled_) {
    RecalcStatisticExecute();
  }
}

void LogRebuild::SetEnabled(bool enabled) {
  enabled_ = enabled;
  host_.SetActionEnabled(enabled);
}

void LogRebuild::RecalcStatisticExecute() {
  RunningScope running(*this);
  host_.ProcessMessages();
  SetEnabled(false);
  try {
    RecalcFromLog();
    host_.ShowStatistic();
  } catch (...) {
    SetEnabled(true);
    throw;
  }
  SetEnabled(true);
}

void LogRebuild::RecalcFromLog() {
  RunningScope running(*this);
  state_.Clear();
  host_.ClearStatistic();
  if (!query_) {
    throw NoConnection();
  }
  LogQuery& query = *query_;
  query.Close();
  query.SetSQL(LogSelect(host_.LogTable()));
  // Each text at most 255 characters, as the host's record carries it.
  query.SetFields(LogFields(), kRecordTextCapacity);
  query.Open();
  host_.ProcessMessages();
  const std::string ownLocator = host_.OwnLocator();
  // A rebuild run at the message point above (not through the greyed action) reads the query to
  // its end and closes it: this one then finds it at its end.
  Qso qso;
  while (!query.Eof()) {
    ReadLogRow(query, qso);
    if (!state_.ScoreQSO(qso, ownLocator, ScoreMode::Record).duplicate) {
      FollowBand(qso.band);
    }
    query.Next();
  }
  query.Close();
}

void LogRebuild::FollowBand(const std::string& band) {
  const int index = BandIndex(TrimControl(band));
  if (index == 0) {
    return;
  }
  if (Rebuilding()) {
    followedBand_ = index;
    return;
  }
  host_.SelectMapBand(index);
}

void LogRebuild::TearDown() {
  if (Rebuilding()) {
    tearDownAsked_ = true;
    return;
  }
  TearDownNow();
}

void LogRebuild::TearDownNow() noexcept {
  if (query_) {
    query_->Close();
  }
  state_.Clear();
}

void LogRebuild::AbandonQuery() noexcept {
  static_cast<void>(query_.release());
}

bool LogRebuild::TakeDeferredClose() {
  if (Rebuilding() || !closedAfterRebuild_) {
    return false;
  }
  closedAfterRebuild_ = false;
  return true;
}
