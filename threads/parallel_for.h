// Runs the same work on every index of a range, on as many threads as asked and as the system
// gives: a thread that cannot start is done without.
#pragma once

#include <cstddef>
#include <functional>
#include <thread>

// Starts a thread running `body`; throws std::system_error or std::bad_alloc when the system
// gives none.
using ThreadStarter = std::function<std::thread(std::function<void()> body)>;

std::thread StartThread(std::function<void()> body);

// Calls `work(i)` once for each i below `count` on `threads` threads (0: one per core), the
// calling thread one of them, taking indices in turn so that a slow item holds up no other. The
// others are started by `start`; at the first it cannot start no more are tried, down to the
// calling thread alone. The first exception a call throws stops the taking of indices and is
// thrown again once every thread has stopped.
void ParallelFor(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                 const ThreadStarter& start = StartThread);
