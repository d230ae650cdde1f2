// Runs jobs on several threads and hands their results on in the order of the jobs, each as soon
// as it and every one before it are done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "threads/parallel_for.h"

struct JobOutput {
  std::string out;  // for standard output
  std::string err;  // for standard error
  bool failed = false;
  std::uint64_t qsos = 0;  // QSOs the job read, for the progress line
};

// Runs `work` on the threads ParallelFor gives; `threads` 0 means one per core. `emit` is called
// once a job, in the order of the jobs, never on two threads at once. A throw from either stops
// the run and is thrown again once every thread has stopped.
void RunInOrder(std::size_t count, unsigned threads,
                const std::function<JobOutput(std::size_t)>& work,
                const std::function<void(const JobOutput&)>& emit,
                const ThreadStarter& start = StartThread);
