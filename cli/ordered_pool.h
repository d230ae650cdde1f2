// Runs jobs on several threads and hands their results on in the order of the jobs, each as soon
// as it and every one before it are done.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

struct JobOutput {
  std::string out;  // for standard output
  std::string err;  // for standard error
  bool failed = false;
};

// `work` must not throw. `threads` 0 means one per core.
void RunInOrder(std::size_t count, unsigned threads,
                const std::function<JobOutput(std::size_t)>& work,
                const std::function<void(const JobOutput&)>& emit);
