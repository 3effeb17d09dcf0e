// Horizontal coordinates, quadratic interpolation, the day scan.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/numeric.h"
#include "astro/riseset.h"

using namespace quendal;

TEST(AstroHorizontal, MeridianStarSouthOfTheZenith) {
  double az = 0.0, alt = 0.0;
  HorizontalFromEquatorial(5.0, 10.0, 5.0, 48.0, az, alt);
  EXPECT_NEAR(az, 180.0, 1e-9);
  EXPECT_NEAR(alt, 52.0, 1e-9);
  // North of the zenith: azimuth 0.
  HorizontalFromEquatorial(5.0, 70.0, 5.0, 48.0, az, alt);
  EXPECT_NEAR(az, 0.0, 1e-9);
  EXPECT_NEAR(alt, 68.0, 1e-9);
}

TEST(AstroHorizontal, RisingInTheEastSettingInTheWest) {
  double az = 0.0, alt = 0.0;
  // Hour angle -6 h on the equator for a star of declination 0: due east on the horizon.
  HorizontalFromEquatorial(12.0, 0.0, 6.0, 0.0, az, alt);
  EXPECT_NEAR(az, 90.0, 1e-9);
  EXPECT_NEAR(alt, 0.0, 1e-9);
  HorizontalFromEquatorial(12.0, 0.0, 18.0, 0.0, az, alt);
  EXPECT_NEAR(az, 270.0, 1e-9);
}

TEST(AstroHorizontal, AgreesWithVectorRotation) {
  for (double lat = -80.0; lat <= 80.0; lat += 20.0) {
    for (double ha = 0.0; ha < 24.0; ha += 1.5) {
      for (double dec = -60.0; dec <= 60.0; dec += 30.0) {
        double az = 0.0, alt = 0.0;
        HorizontalFromEquatorial(0.0, dec, ha, lat, az, alt);
        // Equatorial unit vector (x toward the meridian's equator point, y west, z pole),
        // rotated about y by the colatitude into (south, west, zenith).
        const double h = ha * 15.0 * RadiansPerDegree, d = dec * RadiansPerDegree,
                     p = lat * RadiansPerDegree;
        const double x = std::cos(d) * std::cos(h), y = std::cos(d) * std::sin(h), z = std::sin(d);
        const double south = x * std::sin(p) - z * std::cos(p), west = y,
                     up = x * std::cos(p) + z * std::sin(p);
        EXPECT_NEAR(alt, std::asin(up) * DegreesPerRadian, 1e-9);
        if (std::fabs(up) < 0.999) {
          const double azs = std::atan2(west, south) * DegreesPerRadian;  // from south through west
          EXPECT_NEAR(std::remainder(az - (azs + 180.0), 360.0), 0.0, 1e-7);
        }
        EXPECT_GE(az, 0.0);
        EXPECT_LT(az, 360.0);
      }
    }
  }
}

TEST(AstroQuadratic, DoubleRootAtZero) {
  double xe = 9, ye = 9, r1 = 9, r2 = 9;
  EXPECT_EQ(QuadraticInterpolation(1.0, 0.0, 1.0, xe, ye, r1, r2), 2);
  EXPECT_EQ(xe, 0.0);
  EXPECT_EQ(ye, 0.0);
  EXPECT_EQ(r1, 0.0);
  EXPECT_EQ(r2, 0.0);
}

TEST(AstroQuadratic, RootsOfKnownParabolas) {
  double xe, ye, r1, r2;
  // y = x^2 - 0.25: roots -0.5, 0.5; vertex (0, -0.25).
  EXPECT_EQ(QuadraticInterpolation(0.75, -0.25, 0.75, xe, ye, r1, r2), 2);
  EXPECT_NEAR(r1, -0.5, 1e-15);
  EXPECT_NEAR(r2, 0.5, 1e-15);
  EXPECT_NEAR(ye, -0.25, 1e-15);
  // y = (x - 0.5)(x + 3) = x^2 + 2.5x - 1.5: one root in range, moved to root1.
  EXPECT_EQ(QuadraticInterpolation(-3.0, -1.5, 2.0, xe, ye, r1, r2), 1);
  EXPECT_NEAR(r1, 0.5, 1e-15);
  EXPECT_NEAR(xe, -1.25, 1e-15);
  // y = -(x - 0.2)^2 + 4: no root in range, roots exist outside.
  EXPECT_EQ(QuadraticInterpolation(-(1.44) + 4.0, -0.04 + 4.0, -0.64 + 4.0, xe, ye, r1, r2), 0);
  EXPECT_NEAR(xe, 0.2, 1e-14);
  EXPECT_NEAR(ye, 4.0, 1e-14);
  // No real roots.
  EXPECT_EQ(QuadraticInterpolation(2.0, 1.0, 2.0, xe, ye, r1, r2), 0);
}

TEST(AstroQuadratic, StraightLine) {
  double xe, ye, r1 = 9, r2 = 9;
  EXPECT_EQ(QuadraticInterpolation(-1.0, 0.5, 2.0, xe, ye, r1, r2), 1);
  EXPECT_NEAR(r1, -1.0 / 3.0, 1e-15);
  EXPECT_EQ(r1, r2);
  EXPECT_EQ(QuadraticInterpolation(3.0, 2.0, 1.0, xe, ye, r1, r2), 0);
  EXPECT_EQ(QuadraticInterpolation(1.0, 1.0, 1.0, xe, ye, r1, r2), 0);
  EXPECT_TRUE(std::isfinite(xe) && std::isfinite(ye));
}
