// The line on a terminal's standard error that shows how far the scoring of many logs has come:
// logs done of all, and QSOs per second. It is redrawn in place, and erased before anything else
// is written and at the end, so that it never mixes with the output or the warnings.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ostream>

class ProgressLine {
 public:
  // Shows nothing when `shown` is false (standard error is no terminal).
  ProgressLine(std::ostream& err, std::size_t logs, bool shown);

  // Erases the line, if drawn, before other output.
  void Erase();
  // One more log done, which read `qsos` QSOs; redraws the line now and then.
  void LogDone(std::uint64_t qsos);

 private:
  using Clock = std::chrono::steady_clock;

  std::ostream& err_;
  std::size_t logs_;
  bool shown_;
  bool drawn_ = false;
  std::size_t done_ = 0;
  std::uint64_t qsos_ = 0;
  Clock::time_point start_ = Clock::now();
  Clock::time_point lastDrawn_{};
};
