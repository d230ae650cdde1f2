#include "cli/ordered_pool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

namespace {
unsigned CoreCount() {
  return std::max(1u, std::thread::hardware_concurrency());
}
}  // namespace

std::thread StartThread(std::function<void()> body) {
  return std::thread(std::move(body));
}

void RunInOrder(std::size_t count, unsigned threads,
                const std::function<JobOutput(std::size_t)>& work,
                const std::function<void(const JobOutput&)>& emit, const ThreadStarter& start) {
  const std::size_t workers = std::min<std::size_t>(threads == 0 ? CoreCount() : threads, count);
  std::vector<std::optional<JobOutput>> done(count);
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<std::size_t> next{0};
  const auto worker = [&]() {
    for (std::size_t i = next++; i < count; i = next++) {
      JobOutput output = work(i);
      const std::lock_guard<std::mutex> lock(mutex);
      done[i] = std::move(output);
      finished.notify_all();
    }
  };
  std::vector<std::thread> pool;
  for (std::size_t t = 0; workers > 1 && t < workers; ++t) {
    try {
      pool.push_back(start(worker));
    } catch (const std::system_error&) {
      break;  // fewer threads, or none: the jobs still get done
    }
  }
  if (pool.empty()) {
    for (std::size_t i = 0; i < count; ++i) {
      emit(work(i));
    }
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<JobOutput> output;
    {
      std::unique_lock<std::mutex> lock(mutex);
      finished.wait(lock, [&]() { return done[i].has_value(); });
      output = std::move(done[i]);
      done[i].reset();
    }
    emit(*output);
  }
  for (std::thread& thread : pool) {
    thread.join();
  }
}
