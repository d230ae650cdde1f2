// The statistics window's scoring side: all scoring state of the plug-in and the operations on it,
// with its rebuild from the host's log. It reads the QSO from the record it is given (the plug-in's
// CurrentData) and knows no window: the report goes to a text sink, the band follows an open
// locator map through LocatorMapView, and a rebuild reaches the window through RecalcHost.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "distance/calc_dist.h"
#include "plugin/contest_data.h"
#include "scoring/band_stats.h"
#include "scoring/log_query.h"
#include "scoring/recalc_host.h"
#include "scoring/report.h"
#include "scoring/worked_fields.h"
#include "scoring/worked_list.h"

// The open locator map, as the scoring moves it to a band.
class LocatorMapView {
 public:
  virtual ~LocatorMapView() = default;
  virtual void SelectBand(int index) = 0;
};

// The open map, or nullptr when there is none.
using FindLocatorMap = std::function<LocatorMapView*()>;

class MainFormScoring {
 public:
  // `logQuery` reads the host's log for a rebuild; without one a rebuild reports that there is no
  // database connection.
  MainFormScoring(TContestData& data, TextSink& report, FindLocatorMap findMap,
                  std::unique_ptr<LogQuery> logQuery = nullptr);

  // Creates the distance component (a failure leaves CalcDist empty) and the own coordinates
  // from the whole own locator; a failing coordinate call throws EOleException.
  void CreateDistanceComponent(CoCalcDistClass create);

  // Record mode (AddMode) enters the QSO and returns its points; probe mode enters nothing and
  // adds 100 for a new field. -1 for a duplicate in both.
  std::int32_t ScoreQSO(bool AddMode);
  bool IsDupe() const;
  void AddWorkedQSO();
  // Moves an open map to the QSO's band. During a rebuild the map moves once, as the outermost
  // rebuild ends, to the band the last row asked for: a repaint per row would cost far more than
  // the rebuild itself, and the map ends the same.
  void FollowBand();
  void ShowStatistic();
  // Closes the log query and empties the lists; the object stays usable, so a close that does not
  // follow leaves valid state. Asked for during a rebuild, it waits until the outermost rebuild
  // returns (see TakeDeferredClose), so that a rebuild never reads a closed query or works on
  // state that its caller is about to free.
  void TearDown();

  // The action RecalcStatistic, as the window's showing and its button execute it: runs
  // RecalcStatisticExecute only while the action is enabled.
  void ExecuteRecalcStatistic(RecalcHost& host);
  bool RecalcStatisticEnabled() const { return recalcEnabled_; }
  // Rebuilds the state from the log and writes the report. The action is greyed meanwhile and
  // enabled again whatever happens; a failure goes on to the caller.
  void RecalcStatisticExecute(RecalcHost& host);
  // Empties the state and the report, then scores every row of the host's log table in record
  // mode, in the order the database delivers them. CurrentData's DigiBand is put back after.
  void RecalcFromLog(RecalcHost& host);

  // True while RecalcStatisticExecute or RecalcFromLog runs, nested runs included. Handlers that
  // run at a rebuild's message points must not destroy this object: a close or a release that
  // arrives then waits until the outermost rebuild has returned.
  bool Rebuilding() const { return rebuilds_ > 0; }
  // True once, after the outermost rebuild has returned (also by an exception), when a TearDown
  // was asked for during it: the state is torn down now, and the window goes on with its close.
  bool TakeDeferredClose();

  std::shared_ptr<_CalcDistClass> CalcDist;
  double QsoCoordA = 0;
  double QsoCoordB = 0;
  double LastDistance = 0;
  double OwnCoordA = 0;
  double OwnCoordB = 0;
  BandStatList BandStats;
  WorkedQSOList WorkedList;
  WorkedFieldList WorkedFields;

 private:
  _CalcDistClass& Component();
  float CoordA(const std::string& locator);
  float CoordB(const std::string& locator);
  // Sets the five float fields for the own square and `square`; returns the points.
  std::int32_t DistancePointsTo(const std::string& square);

  class RebuildScope;
  void TearDownNow() noexcept;
  void SetRecalcEnabled(RecalcHost& host, bool enabled);
  void SelectBandOnMap(int index);

  TContestData& data_;
  TextSink& report_;
  FindLocatorMap findMap_;
  std::unique_ptr<LogQuery> logQuery_;
  bool recalcEnabled_ = true;
  int rebuilds_ = 0;
  bool tearDownAsked_ = false;  // during a rebuild
  bool closedAfterRebuild_ = false;
  int followedBand_ = 0;  // during a rebuild: the band the map is to show when it ends, if any
};
