// The rebuild of the scoring state from the host's log, as the action RecalcStatistic runs it:
// the state is emptied, every row of the log table is scored in record mode in the order the
// database delivers them, and the report is written. The thread dispatches waiting messages at two
// points, before the action greys out and after the query has opened; handlers that run there may
// score, close the window or start another rebuild, and find the state of that moment.
#pragma once

#include <memory>
#include <string>

#include "scoring/log_query.h"
#include "scoring/recalc_host.h"
#include "scoring/scoring_state.h"

class LogRebuild {
 public:
  // `query` reads the host's log; without one a rebuild reports that there is no connection.
  LogRebuild(ScoringState& state, RecalcHost& host, std::unique_ptr<LogQuery> query);

  // The action RecalcStatistic, as the window's showing and its button execute it: runs
  // RecalcStatisticExecute only while the action is enabled.
  void Execute();
  bool Enabled() const { return enabled_; }
  // Rebuilds the state and writes the report. The action is greyed meanwhile and enabled again
  // whatever happens; a failure goes on to the caller, and what was rebuilt before it stays.
  void RecalcStatisticExecute();
  // Empties the state and the report, then scores every row of the host's log table.
  void RecalcFromLog();

  // FollowBand for a recorded QSO: moves an open map to its band, blanks aside, when that is one
  // of the nine. While a rebuild runs, the map moves once, when the outermost rebuild ends, to the
  // last band asked for: a repaint per row would cost far more than the rebuild itself.
  void FollowBand(const std::string& band);

  // True while a rebuild runs, nested ones included. Handlers that run at its message points must
  // not destroy the state: a close that arrives then waits until the outermost rebuild returns.
  bool Rebuilding() const { return running_ > 0; }
  // The close query's teardown (FormCloseQuery): closes the query and empties the state, which
  // stays usable, so a close that does not follow leaves valid state. Asked for during a rebuild,
  // it is carried out when the outermost rebuild has returned (see TakeDeferredClose).
  void TearDown();
  // True once, after the outermost rebuild has returned (also by an exception), when a teardown
  // was asked for during it: it has been done now, and the window goes on with its close.
  bool TakeDeferredClose();
  // True while a teardown asked for during the running rebuild waits for its end.
  bool TearDownWaiting() const { return tearDownAsked_; }
  // Calls off a teardown asked for during the running rebuild, which then leaves the state whole.
  void CancelTearDown() { tearDownAsked_ = false; }

  // Gives the query up without closing or deleting it: for the library's unload, which makes no
  // call into the database. The rebuild then reports that there is no connection.
  void AbandonQuery() noexcept;

 private:
  class RunningScope;
  void SetEnabled(bool enabled);
  void TearDownNow() noexcept;

  ScoringState& state_;
  RecalcHost& host_;
  std::unique_ptr<LogQuery> query_;
  bool enabled_ = true;
  int running_ = 0;
  bool tearDownAsked_ = false;  // during a rebuild
  bool closedAfterRebuild_ = false;
  int followedBand_ = 0;  // during a rebuild: the band the map is to show when it ends, if any
};
