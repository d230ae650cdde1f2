#include "cli/ordered_pool.h"

#include <gtest/gtest.h>

#include <chrono>
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
