#include "scoring/main_form_scoring.h"

#include "scoring/band_names.h"
#include "scoring/distance_points.h"
#include "scoring/square_scan.h"
#include "scoring/text_rules.h"

namespace {
constexpr HResult kNoComponent = static_cast<HResult>(0x80004003);  // E_POINTER

bool HasSquare(const std::string& field, const std::string& square) {
  return TrimControl(square).size() == 4 && TrimControl(field).size() == 2;
}
}  // namespace

MainFormScoring::MainFormScoring(TContestData& data, TextSink& report, FindLocatorMap findMap,
                                 std::unique_ptr<LogQuery> logQuery)
    : data_(data), report_(report), findMap_(std::move(findMap)), logQuery_(std::move(logQuery)) {}

void MainFormScoring::CreateDistanceComponent(CoCalcDistClass create) {
  try {
    CalcDist = create();
  } catch (...) {
    CalcDist.reset();  // scoring without a component reports it at the first distance
  }
  const std::string own = data_.OwnLocator.Read();
  OwnCoordA = CoordA(own);
  OwnCoordB = CoordB(own);
}

_CalcDistClass& MainFormScoring::Component() {
  if (!CalcDist) {
    throw EOleException("Distance component is not available", kNoComponent);
  }
  return *CalcDist;
}

float MainFormScoring::CoordA(const std::string& locator) {
  float value = 0;
  _CalcDistClass& component = Component();
  OleCheck(component.GetCoordA(WidenLocator(locator), &value), component);
  return value;
}

float MainFormScoring::CoordB(const std::string& locator) {
  float value = 0;
  _CalcDistClass& component = Component();
  OleCheck(component.GetCoordB(WidenLocator(locator), &value), component);
  return value;
}

std::int32_t MainFormScoring::DistancePointsTo(const std::string& square) {
  LastDistance = 0;
  const std::string ownSquare = data_.OwnLocator.Read().substr(0, 4);
  OwnCoordA = CoordA(ownSquare);
  OwnCoordB = CoordB(ownSquare);
  QsoCoordA = CoordA(square);
  QsoCoordB = CoordB(square);
  float distance = 0;
  _CalcDistClass& component = Component();
  OleCheck(component.GetDistance(static_cast<float>(OwnCoordA), static_cast<float>(OwnCoordB),
                                 static_cast<float>(QsoCoordA), static_cast<float>(QsoCoordB),
                                 &distance),
           component);
  LastDistance = distance;
  return DistancePoints(LastDistance);
}

std::int32_t MainFormScoring::ScoreQSO(bool AddMode) {
  if (IsDupe()) {
    return -1;
  }
  const std::string band = data_.DigiBand.Read();
  if (!AddMode) {
    const std::string probe = data_.ProbeLocator.Read();
    const std::string field = probe.substr(0, 2);
    const std::string square = probe.substr(0, 4);
    std::int32_t result = HasSquare(field, square) ? DistancePointsTo(square) : 0;
    if (!WorkedFields.Contains(band + field)) {
      result += 100;
    }
    return result;
  }

  AddWorkedQSO();
  TStatistic& stats = BandStats.FindOrAdd(band);
  const FoundSquare found = ScanSquare(data_.QSOReportRecived.Read());
  if (found.field.size() == 2 && WorkedFields.Add(band + found.field)) {
    ++stats.NewLoc;
  }
  const std::int32_t result =
      HasSquare(found.field, found.square) ? DistancePointsTo(found.square) : 0;
  // `stats` stays valid: nothing above adds a band entry after it was found.
  ++stats.QSOs;
  stats.Points += result;
  FollowBand();
  return result;
}

bool MainFormScoring::IsDupe() const {
  return WorkedList.Contains(data_.CallSign.Read(), data_.DigiBand.Read(), data_.QSOMode.Read());
}

void MainFormScoring::AddWorkedQSO() {
  WorkedList.Add(TQSO(data_.CallSign.Read(), data_.DigiBand.Read(), data_.QSOMode.Read()));
}

void MainFormScoring::FollowBand() {
  const int index = BandIndex(TrimControl(data_.DigiBand.Read()));
  if (index == 0) {
    return;
  }
  if (Rebuilding()) {
    followedBand_ = index;
    return;
  }
  SelectBandOnMap(index);
}

void MainFormScoring::SelectBandOnMap(int index) {
  if (LocatorMapView* map = findMap_ ? findMap_() : nullptr) {
    map->SelectBand(index);
  }
}

void MainFormScoring::ShowStatistic() {
  report_.SetText(StatisticReport(BandStats.Entries()));
}

void MainFormScoring::TearDown() {
  if (Rebuilding()) {
    tearDownAsked_ = true;
    return;
  }
  TearDownNow();
}

void MainFormScoring::TearDownNow() noexcept {
  if (logQuery_) {
    logQuery_->Close();
  }
  WorkedList.Clear();
  BandStats.Clear();
  WorkedFields.Clear();
}
