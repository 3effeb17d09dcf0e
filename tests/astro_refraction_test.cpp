// Refraction and its inversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/numeric.h"
#include "astro/refraction.h"

using namespace quendal;

namespace {

double truefromapparent(double p, double t, double degrees) { return TrueFromApparentAltitude(p, t, degrees); }

double apparentfromtrue(double p, double t, double degrees) { return ApparentAltitude(p, t, degrees); }

}  // namespace

TEST(AstroRefraction, HorizonRefractionIsAboutHalfADegree) {
  EXPECT_NEAR(0.0 - truefromapparent(1010.0, 10.0, 0.0), 0.57, 0.005);
  // Standard atmosphere: the Almanac's 34' at the horizon.
  EXPECT_NEAR((0.0 - truefromapparent(1010.0, 10.0, 0.0)) * 60.0, 34.1, 0.2);
}

TEST(AstroRefraction, HighAltitudesFollowTheCotangent) {
  // Bennett's formula (Meeus ch. 16), R = 1' / tan(h + 7.31 / (h + 4.4)) for
  // an apparent altitude h in the standard atmosphere: within 0.1' above 20
  // degrees.
  for (double h = 20.0; h <= 89.0; h += 1.0) {
    const double r = h - truefromapparent(1010.0, 10.0, h);
    const double meeus = 1.0 / std::tan((h + 7.31 / (h + 4.4)) * RadiansPerDegree) / 60.0;
    EXPECT_NEAR(r * 60.0, meeus * 60.0, 0.1) << h;
  }
  EXPECT_NEAR(truefromapparent(1010.0, 10.0, 90.0), 90.0, 1e-9);
}

TEST(AstroRefraction, BlendAtFifteenDegrees) {
  const double p = 1013.0, t = 15.0;
  const double low = 15.0 - (0.1594 + 0.0196 * 15.0 + 0.00002 * 225.0) * p /
                                ((273.0 + t) * (1.0 + 0.505 * 15.0 + 0.0845 * 225.0));
  const double high =
      15.0 - 7.888888e-5 * p / (std::tan(15.0 * RadiansPerDegree) * (273.0 + t)) * DegreesPerRadian;
  EXPECT_NEAR(truefromapparent(p, t, 15.0), (low + high) / 2.0, 1e-12);
  // The blend joins both formulas continuously.
  EXPECT_NEAR(truefromapparent(p, t, 14.5 - 1e-9), truefromapparent(p, t, 14.5), 1e-7);
  EXPECT_NEAR(truefromapparent(p, t, 15.5 - 1e-9), truefromapparent(p, t, 15.5), 1e-7);
}

TEST(AstroRefraction, NoRefractionDeepBelowTheHorizon) {
  // The low-altitude numerator changes sign near -8.3 degrees.
  EXPECT_EQ(truefromapparent(1010.0, 10.0, -20.0), -20.0);
  EXPECT_LT(truefromapparent(1010.0, 10.0, -2.0), -2.0);
}

TEST(AstroRefraction, PressureAndTemperature) {
  // Refraction grows with pressure and shrinks with temperature.
  EXPECT_LT(truefromapparent(1030.0, 10.0, 5.0), truefromapparent(990.0, 10.0, 5.0));
  EXPECT_GT(truefromapparent(1010.0, 30.0, 5.0), truefromapparent(1010.0, -10.0, 5.0));
  EXPECT_EQ(truefromapparent(0.0, 10.0, 5.0), 5.0);
}

TEST(AstroRefraction, ApparentAltitudeRoundTrip) {
  const double tolerance = 0.1 / 3600.0;
  const double conditions[][2] = {{1015.0, 10.0}, {1010.0, 10.0}, {950.0, -20.0}, {1050.0, 35.0}};
  for (const auto& c : conditions) {
    for (double h = -5.0; h <= 90.0; h += 0.25) {
      const double a = apparentfromtrue(c[0], c[1], h);
      EXPECT_NEAR(truefromapparent(c[0], c[1], a), h, tolerance) << h;
      EXPECT_GE(a, h - 1e-12);
    }
  }
  // The apparent horizon: true altitude 0 appears about 0.5 degrees higher.
  EXPECT_NEAR(apparentfromtrue(1015.0, 10.0, 0.0), 0.48, 0.03);
}

TEST(AstroRefraction, ApparentAltitudeAlwaysReturns) {
  // Inputs for which the inversion cannot converge end after the cap.
  ApparentAltitude(1010.0, -273.0, 5.0);
  ApparentAltitude(std::numeric_limits<double>::quiet_NaN(), 10.0, 5.0);
  ApparentAltitude(1010.0, 10.0, std::numeric_limits<double>::infinity());
  ApparentAltitude(1e30, 10.0, 5.0);
  SUCCEED();
}
