#include "check/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {
unsigned CoreCount() {
  return std::max(1u, std::thread::hardware_concurrency());
}
}  // namespace

void ParallelFor(std::size_t count, unsigned threads,
                 const std::function<void(std::size_t)>& work) {
  const std::size_t workers = std::min<std::size_t>(threads == 0 ? CoreCount() : threads, count);
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const auto worker = [&]() {
    for (std::size_t i = next++; i < count && !stop; i = next++) {
      try {
        work(i);
      } catch (...) {
        const std::lock_guard<std::mutex> lock(failureMutex);
        if (!failure) {
          failure = std::current_exception();
        }
        stop = true;
      }
    }
  };
  if (workers <= 1) {
    worker();
  } else {
    std::vector<std::thread> pool;
    for (std::size_t t = 0; t < workers; ++t) {
      pool.emplace_back(worker);
    }
    for (std::thread& thread : pool) {
      thread.join();
    }
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}
