#include "scoring/report.h"

#include "scoring/contest_score.h"
#include "scoring/text_rules.h"

std::string PadLeft(const std::string& text, std::int32_t width, const std::string& filler) {
  std::string prefix;
  for (std::int64_t n = static_cast<std::int64_t>(width) - static_cast<std::int64_t>(text.size());
       n > 0; --n) {
    prefix += filler;
  }
  return prefix + text;
}

namespace {
std::string Cell(const std::string& text) {
  return PadLeft(text, 5, " ");
}
std::string Cell(std::int32_t value) {
  return Cell(std::to_string(value));
}
}  // namespace

std::string StatisticReport(const std::vector<TStatistic>& bands) {
  const std::string eol = "\r\n";
  std::string text = "  Band\t  QSOs\tPoints\tNewLoc\t" + eol;
  // 32-bit sums, as the counters are; unsigned arithmetic so that an overflow wraps, not traps.
  std::uint32_t qsos = 0;
  std::uint32_t points = 0;
  std::uint32_t newLoc = 0;
  for (const TStatistic& band : bands) {
    text += Cell(band.Band) + "\t" + Cell(band.QSOs) + "\t" + Cell(band.Points) + "\t" +
            Cell(band.NewLoc) + eol;
    qsos += static_cast<std::uint32_t>(band.QSOs);
    points += static_cast<std::uint32_t>(band.Points);
    newLoc += static_cast<std::uint32_t>(band.NewLoc);
  }
  const auto i32 = [](std::uint32_t v) { return static_cast<std::int32_t>(v); };
  const std::int32_t score =
      i32(static_cast<std::uint32_t>(ContestScore(i32(points), i32(newLoc))));
  text += "Total\t" + Cell(i32(qsos)) + "\t" + Cell(i32(points)) + "\t" + Cell(i32(newLoc)) + eol;
  text += " Score: " + std::to_string(i32(points)) + " + (" + std::to_string(i32(newLoc)) + " * " +
          std::to_string(kNewFieldBonus) + ") =" + std::to_string(score) + eol;
  return std::string(TrimControl(text));
}
