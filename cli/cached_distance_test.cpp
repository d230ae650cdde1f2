#include "cli/cached_distance.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "scoring/distance_points.h"
#include "scoring/scoring_state.h"
#include "scoring/square_number.h"

namespace {
// The square's text with its letters in upper or in lower case.
std::string SquareInCase(int square, bool lower) {
  std::string text = SquareText(square);
  if (lower) {
    text[0] = LowerAscii(text[0]);
    text[1] = LowerAscii(text[1]);
  }
  return text;
}

bool SameFloat(float a, float b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The geometry, whose distances fail while `failing` is set, leaving a number behind as a broken
// component may.
class FailingDistance : public GeometryDistance {
 public:
  static constexpr HResult kFailure = static_cast<HResult>(0x80004005);  // E_FAIL

  explicit FailingDistance(const bool& failing) : failing_(failing) {}
  HResult GetDistance(float ownA, float ownB, float qsoA, float qsoB, float* distance) override {
    if (failing_) {
      *distance = 12345;
      return kFailure;
    }
    return GeometryDistance::GetDistance(ownA, ownB, qsoA, qsoB, distance);
  }
  std::string ErrorDescription() override { return failing_ ? "the server stopped" : ""; }

 private:
  const bool& failing_;
};
}  // namespace

TEST(CachedGeometryDistance, CoordinatesOfEverySquareAreTheGeometrys) {
  CachedGeometryDistance cached;
  GeometryDistance geometry;
  for (int square = 0; square < kSquareCount; ++square) {
    for (bool lower : {false, true}) {
      const std::string locator = SquareInCase(square, lower);
      float a = 0;
      float b = 0;
      float expectedA = 0;
      float expectedB = 0;
      ASSERT_EQ(cached.GetCoordA(locator, &a), geometry.GetCoordA(locator, &expectedA));
      ASSERT_EQ(cached.GetCoordB(locator, &b), geometry.GetCoordB(locator, &expectedB));
      ASSERT_TRUE(SameFloat(a, expectedA) && SameFloat(b, expectedB)) << square;
    }
  }
}

TEST(CachedGeometryDistance, AnyOtherLocatorIsTheGeometrys) {
  // A byte above 127 is no letter of a locator, whatever the host's code page makes of it.
  for (const char* locator : {"JO31LK", "JO", "JO31LK12", "ZZ00", "JO3", "", "JO31 ",
                              "J\xCF"
                              "31",
                              "JO3\xB9"}) {
    SCOPED_TRACE(locator);
    CachedGeometryDistance cached;
    GeometryDistance geometry;
    float a = -1;
    float expected = -1;
    EXPECT_EQ(cached.GetCoordA(locator, &a), geometry.GetCoordA(locator, &expected));
    EXPECT_TRUE(SameFloat(a, expected));
    EXPECT_EQ(cached.ErrorDescription(), geometry.ErrorDescription());
    EXPECT_EQ(cached.GetCoordB(locator, &a), geometry.GetCoordB(locator, &expected));
    EXPECT_TRUE(SameFloat(a, expected));
  }
}

// From squares at the corners, the equator, the date line and stations', to every square, twice
// over in one component: each answer is the geometry's, bit for bit (antipodes included).
TEST(CachedGeometryDistance, DistancesBetweenSquaresAreTheGeometrys) {
  CachedGeometryDistance cached;
  GeometryDistance geometry;
  for (int pass = 0; pass < 2; ++pass) {
    // More own squares than have a row of their own.
    for (const char* own : {"AA00", "RR99", "JJ00", "AJ09", "JO31", "RA90", "IO91", "FN42", "QF56",
                            "PM95", "KP20", "GG66"}) {
      float ownA = 0;
      float ownB = 0;
      geometry.GetCoordA(own, &ownA);
      geometry.GetCoordB(own, &ownB);
      for (int square = 0; square < kSquareCount; ++square) {
        float qsoA = 0;
        float qsoB = 0;
        cached.GetCoordA(SquareText(square), &qsoA);
        cached.GetCoordB(SquareText(square), &qsoB);
        float distance = 0;
        float expected = 0;
        ASSERT_EQ(cached.GetDistance(ownA, ownB, qsoA, qsoB, &distance), 0);
        geometry.GetDistance(ownA, ownB, qsoA, qsoB, &expected);
        ASSERT_TRUE(SameFloat(distance, expected)) << own << " " << SquareText(square);
      }
    }
  }
}

TEST(CachedGeometryDistance, CoordinatesOfNoSquareCentreAreMeasuredAsGiven) {
  const struct {
    float ownA, ownB, qsoA, qsoB;
  } cases[] = {
      {51.4792f, 7.0417f, 50.5f, 13.0f},  // a subsquare's centre
      {51.5f, 7.0f, 50.5f, 14.0f},        // a square's corner
      {-90.0f, -180.0f, 90.0f, 180.0f},
      {89.5f, 179.0f, 90.5f, 181.0f},  // beyond the last square
  };
  CachedGeometryDistance cached;
  GeometryDistance geometry;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.qsoB);
    float distance = 0;
    float expected = 0;
    EXPECT_EQ(cached.GetDistance(c.ownA, c.ownB, c.qsoA, c.qsoB, &distance), 0);
    geometry.GetDistance(c.ownA, c.ownB, c.qsoA, c.qsoB, &expected);
    EXPECT_TRUE(SameFloat(distance, expected));
  }
}

// A failed distance comes back as its code, leaves the caller's number alone and is not held: the
// same pair asked again is measured. Own squares beyond those with a row of their own cover the
// hash table too.
TEST(CachedGeometryDistance, AFailedDistanceIsItsCodeAndNeverHeld) {
  bool failing = true;
  CachedGeometryDistance cached(std::make_unique<FailingDistance>(failing));
  GeometryDistance geometry;
  const char* const owns[] = {"AA00", "RR99", "JJ00", "JO31", "IO91", "FN42",
                              "QF56", "PM95", "KP20", "GG66", "JN79"};
  for (const bool fails : {true, false}) {
    failing = fails;
    for (const char* own : owns) {
      SCOPED_TRACE(std::string(own) + (fails ? ", failing" : ", answering"));
      float ownA = 0;
      float ownB = 0;
      float qsoA = 0;
      float qsoB = 0;
      ASSERT_EQ(cached.GetCoordA(own, &ownA) | cached.GetCoordB(own, &ownB), 0);
      ASSERT_EQ(cached.GetCoordA("KO85", &qsoA) | cached.GetCoordB("KO85", &qsoB), 0);
      float distance = -7;
      const HResult code = cached.GetDistance(ownA, ownB, qsoA, qsoB, &distance);
      if (fails) {
        EXPECT_EQ(code, FailingDistance::kFailure);
        EXPECT_EQ(distance, -7);
        EXPECT_EQ(cached.ErrorDescription(), "the server stopped");
      } else {
        float expected = 0;
        geometry.GetDistance(ownA, ownB, qsoA, qsoB, &expected);
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(SameFloat(distance, expected)) << distance;
      }
    }
  }
}

// As with any component: the QSO whose distance failed fails with the component's message and
// leaves no trace, so that it scores as new once the component answers.
TEST(CachedGeometryDistance, TheEngineFailsTheQsoOfAFailedDistanceAndScoresItOnceMeasured) {
  bool failing = true;
  ScoringState scoring;
  scoring.CalcDist =
      std::make_shared<CachedGeometryDistance>(std::make_unique<FailingDistance>(failing));
  const Qso qso{"OK1XYZ", "14", "CW", "599 KO85", ""};
  try {
    scoring.ScoreQSO(qso, "JO31", ScoreMode::Record);
    ADD_FAILURE() << "no error";
  } catch (const EOleException& error) {
    EXPECT_EQ(std::string(error.what()), "the server stopped");
    EXPECT_EQ(error.Code(), FailingDistance::kFailure);
  }
  EXPECT_FALSE(scoring.IsDupe(qso));
  failing = false;
  const QsoResult result = scoring.ScoreQSO(qso, "JO31", ScoreMode::Record);
  ASSERT_TRUE(result.distanceKm.has_value());
  EXPECT_GT(*result.distanceKm, 1000);
  EXPECT_EQ(result.points, DistancePoints(*result.distanceKm));
}
