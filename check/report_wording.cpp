#include "check/report_wording.h"

std::string CountText(std::int64_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string TallyInWords(const ScoreTally& tally, MultiplierRule multipliers) {
  const std::string counted =
      CountText(tally.qsos, "QSO") + ", " + CountText(tally.points, "point");
  switch (multipliers) {
    case MultiplierRule::kFields:
      return counted + ", " + CountText(tally.fields, "field");
    case MultiplierRule::kSquares:
      return counted + ", " + CountText(tally.fields, "square");
    case MultiplierRule::kNone:
      break;
  }
  return counted;
}
