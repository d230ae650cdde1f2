// What a long check is doing, drawn as a bar on a terminal: one line per phase (reading,
// matching, scoring, writing), redrawn as each percent is done.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class ProgressBar {
 public:
  // A bar that is not shown costs an atomic addition per step and draws nothing.
  ProgressBar(bool shown, std::FILE* out);

  // Starts a phase of `total` steps.
  void Begin(const std::string& phase, std::size_t total);
  // Several threads may advance the same phase.
  void Advance(std::size_t steps = 1);
  // Draws the phase complete and ends its line.
  void End();

  // Each phase ended so far and the seconds it took, timed whether shown or not.
  const std::vector<std::pair<std::string, double>>& PhaseSeconds() const { return times_; }

 private:
  void Draw(std::size_t done);

  bool shown_;
  std::FILE* out_;
  std::string phase_;
  std::size_t total_ = 0;
  std::atomic<std::size_t> done_{0};
  std::atomic<int> drawnPercent_{-1};
  std::mutex drawing_;
  std::chrono::steady_clock::time_point began_;
  std::vector<std::pair<std::string, double>> times_;
};
