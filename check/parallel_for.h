// Runs the same work on every index of a range, on several threads.
#pragma once

#include <cstddef>
#include <functional>

// Calls `work(i)` once for each i below `count`, on `threads` threads (0: one per core), taking
// indices in turn so that a slow item holds up no other. The first exception a call throws is
// thrown again once every thread has stopped.
void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);
