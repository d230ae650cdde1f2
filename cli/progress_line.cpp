#include "cli/progress_line.h"

#include <string>

namespace {
// A terminal needs no more redraws than this to look live.
constexpr std::chrono::milliseconds kRedrawEvery{100};
constexpr const char* kEraseLine = "\r\x1b[K";
}  // namespace

ProgressLine::ProgressLine(std::ostream& err, std::size_t logs, bool shown)
    : err_(err), logs_(logs), shown_(shown) {}

void ProgressLine::Erase() {
  if (drawn_) {
    err_ << kEraseLine << std::flush;
    drawn_ = false;
  }
}

void ProgressLine::LogDone(std::uint64_t qsos) {
  ++done_;
  qsos_ += qsos;
  const Clock::time_point now = Clock::now();
  if (!shown_ || done_ == logs_ || now - lastDrawn_ < kRedrawEvery) {
    return;  // the last log's line would only be erased again
  }
  const double seconds = std::chrono::duration<double>(now - start_).count();
  const auto rate =
      static_cast<std::uint64_t>(seconds > 0 ? static_cast<double>(qsos_) / seconds : 0);
  err_ << kEraseLine << "marovinta-score: " << done_ << " of " << logs_ << " logs, " << rate
       << " QSOs/s" << std::flush;
  drawn_ = true;
  lastDrawn_ = now;
}
