// Runs jobs on several threads and hands their results on in the order of the jobs, each as soon
// as it and every one before it are done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

struct JobOutput {
  std::string out;  // for standard output
  std::string err;  // for standard error
  bool failed = false;
  std::uint64_t qsos = 0;  // QSOs the job read, for the progress line
};

// Starts a thread running `body`; throws std::system_error when the system gives none.
using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

std::thread StartThread(std::function<void()> body);

// `work` must not throw. `threads` 0 means one per core. Threads that cannot be started are done
// without: the jobs then run on those that could, or on the calling thread.
void RunInOrder(std::size_t count, unsigned threads,
                const std::function<JobOutput(std::size_t)>& work,
                const std::function<void(const JobOutput&)>& emit,
                const ThreadStarter& start = StartThread);
