#include "cli/ordered_pool.h"

#include <mutex>
#include <optional>
#include <vector>

void RunInOrder(std::size_t count, unsigned threads,
                const std::function<JobOutput(std::size_t)>& work,
                const std::function<void(const JobOutput&)>& emit, const ThreadStarter& start) {
  std::vector<std::optional<JobOutput>> done(count);
  std::mutex mutex;
  std::size_t next = 0;  // the first job not handed on yet
  ParallelFor(
      count, threads,
      [&](std::size_t i) {
        JobOutput output = work(i);
        const std::lock_guard<std::mutex> lock(mutex);
        done[i] = std::move(output);
        // The job that completes a run of done jobs hands the run on.
        for (; next < count && done[next]; ++next) {
          emit(*done[next]);
          done[next].reset();
        }
      },
      start);
}
