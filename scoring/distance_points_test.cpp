#include "scoring/distance_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(RoundHalfToEven, GoesToTheEvenNeighbourOnlyWhenExactlyHalfway) {
  struct Case {
    double in, out;
  } cases[] = {
      {1000.5, 1000}, {1001.5, 1002}, {2000.5, 2000}, {0.5, 0},         {-0.5, 0},
      {-1.5, -2},     {1000.4, 1000}, {1000.6, 1001}, {20000.5, 20000}, {7.0, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(RoundHalfToEven(c.in), c.out);
  }
}

TEST(DistancePoints, EveryBandEdge) {
  struct Case {
    double km;
    int points;
  } cases[] = {
      {-1, 0},    {-0.5, 31},   {0, 31},       {1000, 31}, {1000.5, 31}, {1001, 35},
      {2000, 35}, {2000.5, 35}, {2001, 38},    {3000, 38}, {3001, 42},   {4000, 42},
      {4001, 47}, {5000, 47},   {5001, 52},    {6000, 52}, {6001, 57},   {7000, 57},
      {7001, 62}, {20000, 62},  {20000.5, 62}, {20001, 0}, {1e30, 0},    {-1e30, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.km);
    EXPECT_EQ(DistancePoints(c.km), c.points);
  }
}

TEST(DistancePoints, NoFiniteNumberScoresNothing) {
  EXPECT_EQ(DistancePoints(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(DistancePoints(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(DistancePoints(-std::numeric_limits<double>::infinity()), 0);
}
