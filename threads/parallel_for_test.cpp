#include "threads/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace {
// A starter that starts `startable` threads, then refuses as the system would.
struct RefusingStarter {
  int startable;
  bool refuseWithBadAlloc;
  int asked = 0;

  ThreadStarter Starter() {
    return [this](std::function<void()> body) {
      if (++asked > startable) {
        if (refuseWithBadAlloc) {
          throw std::bad_alloc();
        }
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      }
      return std::thread(std::move(body));
    };
  }
};
}  // namespace

TEST(ParallelFor, ThreadsThatCannotStartAreDoneWithout) {
  const struct {
    unsigned threads;
    int startable;
    bool badAlloc;
    int asked;         // threads the starter is asked for
    std::size_t most;  // threads the work may run on
  } cases[] = {
      {4, 3, false, 3, 4},                       // all start
      {4, 1, false, 2, 2},                       // the second is refused: no more are tried
      {4, 0, false, 1, 1},                       // none: the calling thread alone
      {4, 2, true, 3, 3},                        // refused for want of memory
      {4, 0, true, 1, 1},  {1, 0, false, 0, 1},  // one thread is the calling one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.threads << " threads, " << c.startable << " startable");
    RefusingStarter starter{c.startable, c.badAlloc};
    constexpr std::size_t kCount = 200;
    std::vector<std::atomic<int>> calls(kCount);
    std::mutex mutex;
    std::set<std::thread::id> ranOn;
    ParallelFor(
        kCount, c.threads,
        [&](std::size_t i) {
          ++calls[i];
          const std::lock_guard<std::mutex> lock(mutex);
          ranOn.insert(std::this_thread::get_id());
        },
        starter.Starter());
    for (std::size_t i = 0; i < kCount; ++i) {
      EXPECT_EQ(calls[i], 1) << i;
    }
    EXPECT_EQ(starter.asked, c.asked);
    EXPECT_LE(ranOn.size(), c.most);
    if (c.most == 1) {
      EXPECT_EQ(ranOn, std::set<std::thread::id>{std::this_thread::get_id()});
    }
  }
}

TEST(ParallelFor, FirstFailureIsThrownOnceEveryThreadHasStopped) {
  for (int startable : {0, 1, 3}) {
    SCOPED_TRACE(startable);
    RefusingStarter starter{startable, false};
    std::atomic<int> running{0};
    const auto run = [&]() {
      ParallelFor(
          100, 4,
          [&](std::size_t i) {
            ++running;
            std::this_thread::yield();
            --running;
            if (i == 10) {
              throw std::runtime_error("item 10");
            }
          },
          starter.Starter());
    };
    EXPECT_THROW(run(), std::runtime_error);
    EXPECT_EQ(running, 0);
  }
}

TEST(ParallelFor, NothingToDo) {
  ParallelFor(0, 4, [](std::size_t) { ADD_FAILURE() << "no index to work on"; });
}
