#include "check/progress_bar.h"

#include <algorithm>

namespace {
constexpr int kBarWidth = 40;
}  // namespace

ProgressBar::ProgressBar(bool shown, std::FILE* out) : shown_(shown), out_(out) {}

void ProgressBar::Begin(const std::string& phase, std::size_t total) {
  phase_ = phase;
  total_ = total;
  done_ = 0;
  drawnPercent_ = -1;
  began_ = std::chrono::steady_clock::now();
  Draw(0);
}

void ProgressBar::Advance(std::size_t steps) {
  const std::size_t done = done_ += steps;
  if (!shown_) {
    return;
  }
  const int percent = total_ == 0 ? 100 : static_cast<int>(std::min(done, total_) * 100 / total_);
  int drawn = drawnPercent_;
  // Only the thread that moves the bar on draws it; the others go on working.
  while (percent > drawn) {
    if (drawnPercent_.compare_exchange_weak(drawn, percent)) {
      Draw(done);
      return;
    }
  }
}

void ProgressBar::End() {
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - began_;
  times_.emplace_back(phase_, took.count());
  if (!shown_) {
    return;
  }
  Draw(total_);
  const std::lock_guard<std::mutex> lock(drawing_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

void ProgressBar::Draw(std::size_t done) {
  if (!shown_) {
    return;
  }
  done = std::min(done, total_);
  const std::size_t filled = total_ == 0 ? kBarWidth : done * kBarWidth / total_;
  const int percent = total_ == 0 ? 100 : static_cast<int>(done * 100 / total_);
  const std::string bar = std::string(filled, '#') + std::string(kBarWidth - filled, '.');
  const std::lock_guard<std::mutex> lock(drawing_);
  std::fprintf(out_, "\r%-9s [%s] %3d%% %zu/%zu", phase_.c_str(), bar.c_str(), percent, done,
               total_);
  std::fflush(out_);
}
