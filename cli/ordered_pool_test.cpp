#include "cli/ordered_pool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <system_error>
#include <thread>

TEST(RunInOrder, HandsResultsOnInTheOrderOfTheJobs) {
  for (unsigned threads : {1u, 2u, 4u, 0u}) {
    SCOPED_TRACE(threads);
    std::vector<std::string> seen;
    RunInOrder(
        40, threads,
        [](std::size_t i) {
          // Early jobs take longest, so that later ones finish first.
          std::this_thread::sleep_for(std::chrono::microseconds((40 - i) * 50));
          return JobOutput{std::to_string(i), "", i % 7 == 0};
        },
        [&](const JobOutput& output) { seen.push_back(output.out); });
    ASSERT_EQ(seen.size(), 40u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i], std::to_string(i));
    }
  }
  RunInOrder(
      0, 2, [](std::size_t) { return JobOutput{}; },
      [](const JobOutput&) { ADD_FAILURE() << "no job to hand on"; });
}

TEST(RunInOrder, ThreadsThatCannotStartLeaveTheJobsToTheOthers) {
  for (int startable : {0, 1, 2}) {
    SCOPED_TRACE(startable);
    int started = 0;
    const ThreadStarter start = [&](std::function<void()> body) {
      if (started == startable) {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
      }
      ++started;
      return std::thread(std::move(body));
    };
    std::vector<std::string> seen;
    RunInOrder(
        20, 4,
        [](std::size_t i) {
          return JobOutput{std::to_string(i), "", false};
        },
        [&](const JobOutput& output) { seen.push_back(output.out); }, start);
    ASSERT_EQ(seen.size(), 20u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
      EXPECT_EQ(seen[i], std::to_string(i));
    }
  }
}
