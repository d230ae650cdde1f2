#include "cli/log_scorer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "distance/geometry_calc_dist.h"
#include "scoring/main_form_scoring.h"

namespace {
class ReportText : public TextSink {
 public:
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

constexpr double kNotMeasured = std::numeric_limits<double>::quiet_NaN();

std::shared_ptr<_CalcDistClass> CreateGeometry() {
  return std::make_shared<GeometryCalcDist>();
}
}  // namespace

LogScore ScoreQsos(const std::vector<LogQso>& qsos, const std::string& ownLocator) {
  auto data = std::make_unique<TContestData>();  // zeroed, as the plug-in's record starts
  // The engine measures from the own square; the rest of a longer locator changes nothing.
  data->OwnLocator.Write(ownLocator.substr(0, 4));
  ReportText report;
  MainFormScoring scoring(*data, report, nullptr);
  scoring.CreateDistanceComponent(&CreateGeometry);

  LogScore result;
  result.qsos.reserve(qsos.size());
  for (const LogQso& qso : qsos) {
    data->CallSign.Write(qso.callSign);
    data->DigiBand.Write(qso.band);
    data->QSOMode.Write(qso.mode);
    data->QSOReportRecived.Write(qso.exchange);
    // The engine writes LastDistance only when it measures one, that is when it found a square.
    scoring.LastDistance = kNotMeasured;
    const std::int32_t points = scoring.ScoreQSO(true);
    QsoScore& score = result.qsos.emplace_back();
    if (points < 0) {
      score.duplicate = true;
      ++result.duplicates;
      continue;
    }
    score.points = points;
    if (!std::isnan(scoring.LastDistance)) {
      score.distanceKm = scoring.LastDistance;
    }
  }
  scoring.ShowStatistic();
  result.report = report.text;
  result.bands = scoring.BandStats.Entries();
  result.fieldKeys = scoring.WorkedFields.Keys();
  for (const TStatistic& band : result.bands) {
    result.points += band.Points;
    result.newFields += band.NewLoc;
  }
  result.score = result.points + 100 * result.newFields;
  return result;
}

std::vector<std::string> FieldsOfBand(const LogScore& score, const std::string& band) {
  std::vector<std::string> fields;
  for (const std::string& key : score.fieldKeys) {
    // A key is the band text followed by exactly two field letters.
    if (key.size() == band.size() + 2 && key.compare(0, band.size(), band) == 0) {
      fields.push_back(key.substr(band.size()));
    }
  }
  std::sort(fields.begin(), fields.end());
  return fields;
}
