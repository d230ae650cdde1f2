#include "scoring/scoring_state.h"

#include "scoring/distance_points.h"
#include "scoring/report.h"
#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
constexpr HResult kNoComponent = static_cast<HResult>(0x80004003);  // E_POINTER

// Only a square of four characters in a field of two, blanks aside, is worth a distance.
bool HasSquare(const std::string& field, const std::string& square) {
  return TrimControl(square).size() == 4 && TrimControl(field).size() == 2;
}

// The operator's square: distances are always measured square to square.
std::string OwnSquare(const std::string& ownLocator) {
  return ownLocator.substr(0, 4);
}
}  // namespace

void ScoringState::CreateDistanceComponent(DistanceComponentFactory create,
                                           const std::string& ownLocator) {
  try {
    CalcDist = create();
  } catch (...) {
    CalcDist.reset();  // scoring without a component reports it at the first distance
  }
  OwnCoordA = CoordA(ownLocator);
  OwnCoordB = CoordB(ownLocator);
}

QsoResult ScoringState::ScoreQSO(const Qso& qso, const std::string& ownLocator, ScoreMode mode) {
  const WorkedKey key(qso.callSign, qso.band, qso.mode);
  if (WorkedList.Contains(key)) {
    QsoResult duplicate;
    duplicate.duplicate = true;
    return duplicate;
  }
  return mode == ScoreMode::Record ? Record(qso, key, ownLocator) : Probe(qso, ownLocator);
}

// The distance comes first: a component that fails leaves the lists as they were, so the same QSO
// scores as new once the component answers again.
QsoResult ScoringState::Record(const Qso& qso, const WorkedKey& key,
                               const std::string& ownLocator) {
  QsoResult result;
  const FoundSquare found = ScanSquare(qso.reportReceived);  // a whole square and field, or none
  if (!found.square.empty()) {
    MeasureDistance(ownLocator, found.square, result);
  }
  WorkedList.Add(key);
  TStatistic& stats = BandStats.FindOrAdd(qso.band);
  if (!found.field.empty() && WorkedFields.Add(qso.band + found.field)) {
    ++stats.NewLoc;
    result.newField = true;
  }
  ++stats.QSOs;
  stats.Points += result.points;
  return result;
}

QsoResult ScoringState::Probe(const Qso& qso, const std::string& ownLocator) {
  QsoResult result;
  // Taken as the host gave them: no trimming, no case change.
  const std::string field = qso.probeLocator.substr(0, 2);
  const std::string square = qso.probeLocator.substr(0, 4);
  if (HasSquare(field, square)) {
    MeasureDistance(ownLocator, square, result);
  }
  result.newField = !WorkedFields.Contains(qso.band + field);
  return result;
}

bool ScoringState::IsDupe(const Qso& qso) const {
  return WorkedList.Contains(qso.callSign, qso.band, qso.mode);
}

std::string ScoringState::ReportText() const {
  return StatisticReport(BandStats.Entries());
}

void ScoringState::Clear() {
  WorkedList.Clear();
  BandStats.Clear();
  WorkedFields.Clear();
}

DistanceComponent& ScoringState::Component() {
  if (!CalcDist) {
    throw EOleException("Distance component is not available", kNoComponent);
  }
  return *CalcDist;
}

float ScoringState::CoordA(const std::string& locator) {
  float value = 0;
  DistanceComponent& component = Component();
  OleCheck(component.GetCoordA(locator, &value), component);
  return value;
}

float ScoringState::CoordB(const std::string& locator) {
  float value = 0;
  DistanceComponent& component = Component();
  OleCheck(component.GetCoordB(locator, &value), component);
  return value;
}

void ScoringState::MeasureDistance(const std::string& ownLocator, const std::string& square,
                                   QsoResult& result) {
  LastDistance = 0;
  const std::string ownSquare = OwnSquare(ownLocator);
  OwnCoordA = CoordA(ownSquare);
  OwnCoordB = CoordB(ownSquare);
  QsoCoordA = CoordA(square);
  QsoCoordB = CoordB(square);
  float distance = 0;
  DistanceComponent& component = Component();
  OleCheck(component.GetDistance(static_cast<float>(OwnCoordA), static_cast<float>(OwnCoordB),
                                 static_cast<float>(QsoCoordA), static_cast<float>(QsoCoordB),
                                 &distance),
           component);
  LastDistance = distance;
  result.square = square;
  result.distanceKm = LastDistance;
  result.points = DistancePoints(LastDistance);
}
