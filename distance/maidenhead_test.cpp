#include "distance/maidenhead.h"

#include <gtest/gtest.h>
#include <hamlib/rotator.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {
std::vector<std::string> AllSquares() {
  std::vector<std::string> squares;
  for (char a = 'A'; a <= 'R'; ++a) {
    for (char b = 'A'; b <= 'R'; ++b) {
      for (char c = '0'; c <= '9'; ++c) {
        for (char d = '0'; d <= '9'; ++d) {
          squares.push_back({a, b, c, d});
        }
      }
    }
  }
  return squares;
}
}  // namespace

TEST(LocatorCentre, KnownCentres) {
  struct Case {
    std::string locator;
    double latitude, longitude;
  } cases[] = {
      {"JO31", 51.5, 7.0},
      {"jo31", 51.5, 7.0},
      {"AA00", -89.5, -179.0},
      {"RR99", 89.5, 179.0},
      {"JO", 55.0, 10.0},
      {"JO31ab", 51.0 + 1.0 / 24 + 1.0 / 48, 6.0 + 1.0 / 24},
      {"JO31AB", 51.0 + 1.0 / 24 + 1.0 / 48, 6.0 + 1.0 / 24},
      {"JO31AB00", 51.0 + 1.0 / 24 + 1.0 / 480, 6.0 + 1.0 / 240},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.locator);
    const auto centre = LocatorCentre(c.locator);
    ASSERT_TRUE(centre.has_value());
    EXPECT_NEAR(centre->latitude, c.latitude, 1e-12);
    EXPECT_NEAR(centre->longitude, c.longitude, 1e-12);
  }
}

TEST(LocatorCentre, RejectsWhatNamesNoBox) {
  for (const char* bad : {"", "J", "JO3", "ZZ00", "JS31", "JOA1", "JO31YA", "JO31A", "JO31AB0A",
                          "JO31AB00CC", "J O3"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(LocatorCentre(bad).has_value());
  }
}

TEST(LocatorCentre, AgreesWithHamlibForEverySquare) {
  for (const std::string& square : AllSquares()) {
    double lon = 0;
    double lat = 0;
    ASSERT_EQ(locator2longlat(&lon, &lat, square.c_str()), RIG_OK) << square;
    const auto centre = LocatorCentre(square);
    ASSERT_TRUE(centre.has_value()) << square;
    ASSERT_NEAR(centre->latitude, lat, 1e-9) << square;
    ASSERT_NEAR(centre->longitude, lon, 1e-9) << square;
  }
}

TEST(GreatCircleKm, AgreesWithHamlibQrbOverManySquarePairs) {
  const std::vector<std::string> squares = AllSquares();
  std::mt19937 random(20261210);
  std::uniform_int_distribution<std::size_t> pick(0, squares.size() - 1);
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string& a = squares[pick(random)];
    const std::string& b = i % 10 == 0 ? a : squares[pick(random)];
    const LatLon from = *LocatorCentre(a);
    const LatLon to = *LocatorCentre(b);
    double distance = 0;
    double azimuth = 0;
    ASSERT_EQ(qrb(from.longitude, from.latitude, to.longitude, to.latitude, &distance, &azimuth),
              RIG_OK);
    if (distance > 20000) {
      continue;  // hamlib snaps near-antipodal pairs to half the circumference
    }
    ++compared;
    ASSERT_NEAR(GreatCircleKm(from, to), distance, 0.01) << a << " to " << b;
  }
  EXPECT_GT(compared, 19000);
}

TEST(GreatCircleKm, SphereOf111Point2KmPerDegree) {
  EXPECT_NEAR(GreatCircleKm({0, 0}, {0, 90}), 90 * 111.2, 1e-6);
  EXPECT_NEAR(GreatCircleKm({0, 0}, {0, 180}), 180 * 111.2, 1e-6);
  EXPECT_EQ(GreatCircleKm({51.5, 7}, {51.5, 7}), 0);
}

// Worked by hand (the spherical law of cosines, 111.2 km a degree, box centres), and for the
// sub-squares the points the real logs of a VHF contest claim as floor(km) + 1.
TEST(LocatorDistanceKm, BetweenBoxCentresAtTheLengthAsked) {
  const struct {
    const char* from;
    const char* to;
    std::size_t length;
    double km;
  } cases[] = {
      {"KN05RK", "JN54QL", 6, 800.0122},  // claimed 801: 6371 km a radian would give 799.98
      {"KN05RK", "KN24ND", 6, 323.0016},  // claimed 324
      {"KN13OT", "KN14WH", 6, 77.0004},   // claimed 78
      {"KN14VH", "KN22UL", 6, 256.0022},
      {"kn16ts", "KN27FH", 6, 87.2680},
      {"KN16TS", "KN16TS", 6, 0},
      {"KN05RK", "JN54QL", 4, 793.5926},  // square to square
      {"KN05", "JN54", 4, 793.5926},
      {"KN05RK", "KN24", 6, 297.4655},   // only the square copied: its centre
      {"KN05R", "KN24ND", 6, 358.4498},  // five characters: the square's centre
      {"JO31", "JN79", 4, 607.5920},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " to " + c.to);
    const auto km = LocatorDistanceKm(c.from, c.to, c.length);
    ASSERT_TRUE(km.has_value());
    EXPECT_NEAR(*km, c.km, 0.0001);
  }
}

TEST(LocatorDistanceKm, NothingForALocatorThatNamesNoBox) {
  const struct {
    const char* from;
    const char* to;
    std::size_t length;
  } cases[] = {
      {"ZZ00", "JO31", 4},  {"JO31", "ZZ00", 4},     {"JO3", "JO31", 4},
      {"", "JO31", 6},      {"KN05ZZ", "KN24ND", 6},  // a sub-square beyond X
      {"KN05RK", "KN2", 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " to " + c.to);
    EXPECT_FALSE(LocatorDistanceKm(c.from, c.to, c.length).has_value());
  }
  EXPECT_TRUE(LocatorDistanceKm("KN05ZZ", "KN24ND", 4).has_value());  // its square is one
}
