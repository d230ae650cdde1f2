// All scoring state of the plug-in (the worked list, the band statistics, the worked fields, the
// distance component with its coordinates) and the contest's rule for one QSO, ScoreQSO, in its two
// modes: record enters the QSO, probe only says what it would bring. The own locator is an
// argument of each scoring: it is the host's, read as the host then holds it.
#pragma once

#include <memory>
#include <string>

#include "distance/distance_component.h"
#include "scoring/band_stats.h"
#include "scoring/qso.h"
#include "scoring/worked_fields.h"
#include "scoring/worked_list.h"

enum class ScoreMode { Record, Probe };

class ScoringState {
 public:
  // The worked fields ignore letter case as `fold` gives it for the host's code page; `fold`
  // outlives the state.
  explicit ScoringState(const CaseFoldTable& fold = AsciiCaseFold()) : WorkedFields(fold) {}

  // Creates the distance component (a failure leaves CalcDist empty; a scoring that needs a
  // distance then says so), then the own coordinates from the whole own locator; a failing
  // coordinate call throws EOleException.
  void CreateDistanceComponent(DistanceComponentFactory create, const std::string& ownLocator);

  // Distances are measured from the first four characters of `ownLocator`. A failing call of the
  // distance component throws EOleException; the worked list, the band statistics and the worked
  // fields are then as they were before the call (the float fields are not).
  QsoResult ScoreQSO(const Qso& qso, const std::string& ownLocator, ScoreMode mode);

  // True when an earlier recorded QSO has byte for byte the same callsign, band and mode.
  bool IsDupe(const Qso& qso) const;

  // The statistics report of the state as it is.
  std::string ReportText() const;

  // Empties the three lists; the component and the coordinates stay.
  void Clear();

  std::shared_ptr<DistanceComponent> CalcDist;
  double QsoCoordA = 0;
  double QsoCoordB = 0;
  double LastDistance = 0;
  double OwnCoordA = 0;
  double OwnCoordB = 0;
  BandStatList BandStats;
  WorkedQSOList WorkedList;
  WorkedFieldList WorkedFields;

 private:
  QsoResult Record(const Qso& qso, const WorkedKey& key, const std::string& ownLocator);
  QsoResult Probe(const Qso& qso, const std::string& ownLocator);
  DistanceComponent& Component();
  float CoordA(const std::string& locator);
  float CoordB(const std::string& locator);
  // Sets the five float fields for the own square and `square`; the result's distance and points.
  void MeasureDistance(const std::string& ownLocator, const std::string& square, QsoResult& result);
};
