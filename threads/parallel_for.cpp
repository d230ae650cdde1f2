#include "threads/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>
#include <vector>

namespace {
unsigned CoreCount() {
  return std::max(1u, std::thread::hardware_concurrency());
}

// The threads started beside the calling one, each joined however the run ends.
class Helpers {
 public:
  Helpers() = default;
  Helpers(const Helpers&) = delete;
  Helpers& operator=(const Helpers&) = delete;
  ~Helpers() {
    for (std::thread& thread : threads_) {
      thread.join();
    }
  }

  // Starts up to `count` threads running `body`, stopping at the first the system refuses.
  void Start(std::size_t count, const ThreadStarter& start, const std::function<void()>& body) {
    try {
      threads_.reserve(count);  // so that keeping a started thread never throws
      while (threads_.size() < count) {
        threads_.push_back(start(body));
      }
    } catch (const std::system_error&) {
      // fewer threads, or none: the calling thread works all the same
    } catch (const std::bad_alloc&) {
      // the same
    }
  }

 private:
  std::vector<std::thread> threads_;
};
}  // namespace

std::thread StartThread(std::function<void()> body) {
  return std::thread(std::move(body));
}

void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                 const ThreadStarter& start) {
  const std::size_t workers = std::min<std::size_t>(threads == 0 ? CoreCount() : threads, count);
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stop{false};
  std::exception_ptr failure;
  std::mutex failureMutex;
  const std::function<void()> worker = [&]() {
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
  {
    Helpers helpers;
    if (workers > 1) {
      helpers.Start(workers - 1, start, worker);
    }
    worker();
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}
