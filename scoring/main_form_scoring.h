// The statistics window's scoring side: all scoring state of the plug-in and the operations on it.
// It reads the QSO from the record it is given (the plug-in's CurrentData) and knows no window:
// the report goes to a text sink and the band follows an open locator map through LocatorMapView.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "distance/calc_dist.h"
#include "plugin/contest_data.h"
#include "scoring/band_stats.h"
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
  MainFormScoring(TContestData& data, TextSink& report, FindLocatorMap findMap);

  // Creates the distance component (a failure leaves CalcDist empty) and the own coordinates
  // from the whole own locator; a failing coordinate call throws EOleException.
  void CreateDistanceComponent(CoCalcDistClass create);

  // Record mode (AddMode) enters the QSO and returns its points; probe mode enters nothing and
  // adds 100 for a new field. -1 for a duplicate in both.
  std::int32_t ScoreQSO(bool AddMode);
  bool IsDupe() const;
  void AddWorkedQSO();
  void FollowBand();
  void ShowStatistic();
  // Empties the lists; the object stays usable, so a close that does not follow leaves valid state.
  void TearDown();

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

  TContestData& data_;
  TextSink& report_;
  FindLocatorMap findMap_;
};
