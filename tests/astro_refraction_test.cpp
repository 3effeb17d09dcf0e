// Refraction and its inversion: the Almanac's horizon value, ERFA's
// refraction constants above 15 degrees, the blend, the round trip.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/refraction.h"
#include "support.h"

using namespace quendal;

TEST(AstroRefraction, HorizonRefractionIsAboutHalfADegree) {
  // Standard atmosphere: the Almanac's 34' at the horizon.
  EXPECT_NEAR((0.0 - TrueFromApparentAltitude(1010.0, 10.0, 0.0)) * 60.0, 34.1, 0.2);
  EXPECT_NEAR(TrueFromApparentAltitude(1010.0, 10.0, 90.0), 90.0, 1e-9);
}

// Above 15 degrees against A tan z + B tan^3 z with ERFA's constants for four
// atmospheres (tests/data/earth_erfa.txt, tools/gen_erfa_reference.py): within
// 0.1' (above 20 degrees) and 0.2' (15..20).
TEST(AstroRefraction, AgreesWithErfaAboveFifteenDegrees) {
  for (const auto& r : testsupport::table("earth_erfa.txt", 2)) {
    const double refraction = (r[2] - TrueFromApparentAltitude(r[0], r[1], r[2])) * 60.0;
    EXPECT_NEAR(refraction, r[3], r[2] >= 20.0 ? 0.1 : 0.2) << r[0] << " " << r[1] << " " << r[2];
  }
}

TEST(AstroRefraction, BlendJoinsBothFormulas) {
  EXPECT_NEAR(TrueFromApparentAltitude(1013.0, 15.0, 14.5 - 1e-9), TrueFromApparentAltitude(1013.0, 15.0, 14.5), 1e-7);
  EXPECT_NEAR(TrueFromApparentAltitude(1013.0, 15.0, 15.5 - 1e-9), TrueFromApparentAltitude(1013.0, 15.0, 15.5), 1e-7);
}

TEST(AstroRefraction, NoRefractionDeepBelowTheHorizon) {
  // The low-altitude numerator changes sign near -8.3 degrees.
  EXPECT_EQ(TrueFromApparentAltitude(1010.0, 10.0, -20.0), -20.0);
  EXPECT_LT(TrueFromApparentAltitude(1010.0, 10.0, -2.0), -2.0);
}

TEST(AstroRefraction, PressureAndTemperature) {
  // Refraction grows with pressure and shrinks with temperature.
  EXPECT_LT(TrueFromApparentAltitude(1030.0, 10.0, 5.0), TrueFromApparentAltitude(990.0, 10.0, 5.0));
  EXPECT_GT(TrueFromApparentAltitude(1010.0, 30.0, 5.0), TrueFromApparentAltitude(1010.0, -10.0, 5.0));
  EXPECT_EQ(TrueFromApparentAltitude(0.0, 10.0, 5.0), 5.0);
}

TEST(AstroRefraction, ApparentAltitudeRoundTrip) {
  const double conditions[][2] = {{1015.0, 10.0}, {1010.0, 10.0}, {950.0, -20.0}, {1050.0, 35.0}};
  for (const auto& c : conditions) {
    for (double h = -5.0; h <= 90.0; h += 0.25) {
      const double a = ApparentAltitude(c[0], c[1], h);
      EXPECT_NEAR(TrueFromApparentAltitude(c[0], c[1], a), h, 0.1 / 3600.0) << h;
      EXPECT_GE(a, h - 1e-12);
    }
  }
  // The apparent horizon: true altitude 0 appears about 0.5 degrees higher.
  EXPECT_NEAR(ApparentAltitude(1015.0, 10.0, 0.0), 0.48, 0.03);
}
