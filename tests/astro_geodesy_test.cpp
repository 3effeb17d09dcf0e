// Geodesy: sphere and ellipsoid distances (GeographicLib), dish pointing.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "astro/geodesy.h"
#include "support.h"

using namespace quendal;

// Identical places (also across the date line and at the poles) are 0 km
// apart; a degree of the equator is 111.319 km on the sphere and a times the
// angle on the ellipsoid; Vienna to Berlin 523.98 km on the sphere;
// latitudes and longitudes beyond their ranges count as their limits.
TEST(AstroGeodesy, KnownDistancesAndLimits) {
  for (const auto& [l1, p1, l2, p2] : {std::array{16.37, 48.21, 16.37, 48.21},
                                       {180.0, 30.0, -180.0, 30.0},
                                       {-180.0, -30.0, 180.0, -30.0},
                                       {10.0, 90.0, 120.0, 90.0},
                                       {10.0, -90.0, -75.0, -90.0}}) {
    EXPECT_EQ(EllipsoidDistance(l1, p1, l2, p2), 0.0) << l1 << " " << p1;
    EXPECT_NEAR(SphereDistance(l1, p1, l2, p2), 0.0, 1e-6) << l1 << " " << p1;
  }
  EXPECT_NEAR(SphereDistance(0.0, 0.0, 1.0, 0.0), 111.319, 0.0005);
  EXPECT_NEAR(EllipsoidDistance(0.0, 0.0, 1e-6, 0.0), 6378.137 * testsupport::pi / 180e6, 1e-12);
  EXPECT_NEAR(SphereDistance(16.37, 48.21, 13.40, 52.52), 523.98, 0.005);
  EXPECT_EQ(SphereDistance(0.0, 91.0, 50.0, 45.0), SphereDistance(0.0, 90.0, 50.0, 45.0));
  EXPECT_EQ(EllipsoidDistance(0.0, 91.0, 50.0, 45.0), EllipsoidDistance(0.0, 90.0, 50.0, 45.0));
  EXPECT_EQ(EllipsoidDistance(190.0, 10.0, 50.0, -95.0), EllipsoidDistance(180.0, 10.0, 50.0, -90.0));
}

// Geodesic distances on WGS84 by Karney's method (GeographicLib,
// tests/data/geodesics_geographiclib.txt, tools/gen_geodesic_reference.py):
// along the equator and meridians, nearly antipodal, over the poles, and 300
// random lines, both ways round, to 2 micrometres.
TEST(AstroGeodesy, EllipsoidAgreesWithGeographicLib) {
  for (const auto& c : testsupport::table("geodesics_geographiclib.txt")) {
    EXPECT_NEAR(EllipsoidDistance(c[0], c[1], c[2], c[3]), c[4], 2e-9)
        << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
    EXPECT_NEAR(EllipsoidDistance(c[2], c[3], c[0], c[1]), c[4], 2e-9)
        << c[0] << " " << c[1] << " " << c[2] << " " << c[3];
  }
  EXPECT_NEAR(HalfMeridianKm(), 20003.931458625, 1e-9);
  // No shortest line is longer than half a meridian.
  for (double dl = 0.0; dl < 2.0; dl += 0.01)
    EXPECT_LE(EllipsoidDistance(0.0, 20.0, 180.0 - dl, -20.0 + dl / 3.0), HalfMeridianKm() + 1e-9);
}

// Laws over random pairs: the sphere symmetric, the two methods within
// e^2 = f (2 - f) = 0.67 % of each other (meridian arcs near the equator
// reach that: the meridian's radius of curvature there is a (1 - e^2));
// within 0.6 % for places beyond 30 degrees north or south.
TEST(AstroGeodesy, SymmetricAndCloseToTheSphere) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-90.0, 90.0);
  double worst = 0.0;
  for (int i = 0; i < 5000; ++i) {
    const double l1 = lon(rng), p1 = lat(rng), l2 = lon(rng), p2 = lat(rng);
    const double s = SphereDistance(l1, p1, l2, p2), e = EllipsoidDistance(l1, p1, l2, p2);
    ASSERT_NEAR(SphereDistance(l2, p2, l1, p1), s, 1e-9);
    ASSERT_GT(s, 0.0);
    const double ratio = std::fabs(e / s - 1.0);
    ASSERT_LT(ratio, 0.0068) << l1 << " " << p1 << " " << l2 << " " << p2;
    if (std::fabs(p1) >= 30.0 && std::fabs(p2) >= 30.0) worst = std::max(worst, ratio);
  }
  EXPECT_LT(worst, 0.006);
  // A short meridian arc at the equator: the ratio is 1 - e^2 to first order.
  const double f = EarthFlattening;
  EXPECT_NEAR(EllipsoidDistance(0.0, -0.5, 0.0, 0.5) / SphereDistance(0.0, -0.5, 0.0, 0.5), 1.0 - f * (2.0 - f), 1e-4);
}

// The direction from the observer to the satellite (6.6 Earth radii out,
// 1 / 0.1513) in the observer's east, north and up, for every longitude
// difference, also below the horizon; Astra at 19.2 E from 48 N 16 E
// (published pointing tables: 175.7 and 34.8 degrees); 90 degrees of
// longitude apart below the limit.
TEST(AstroGeodesy, DishPointingByVectors) {
  for (double lat = -85.0; lat <= 85.0; lat += 17.0)
    for (double dl = -175.0; dl <= 175.0; dl += 25.0) {  // satellite dl degrees east of the observer
      if (lat == 0.0 && dl == 0.0) continue;             // straight up: no azimuth
      const DishDirection d = DishPointing(dl, lat, 0.0);
      const double r = 1.0 / 0.1513, p = testsupport::rad(lat), l = testsupport::rad(dl);
      const double sx = r * std::cos(l) - std::cos(p), sy = r * std::sin(l), sz = -std::sin(p);
      const double north = -std::sin(p) * sx + std::cos(p) * sz, up = std::cos(p) * sx + std::sin(p) * sz;
      EXPECT_NEAR(testsupport::wrap(d.azimuth, std::atan2(sy, north) * 180.0 / testsupport::pi), 0.0, 1e-9)
          << lat << " " << dl;
      EXPECT_NEAR(d.elevation, std::atan2(up, std::hypot(sy, north)) * 180.0 / testsupport::pi, 1e-9)
          << lat << " " << dl;
      EXPECT_TRUE(d.azimuth >= 0.0 && d.azimuth < 360.0) << lat << " " << dl;
    }
  const DishDirection astra = DishPointing(19.2, 48.0, 16.0);
  EXPECT_NEAR(astra.azimuth, 175.70, 0.01);
  EXPECT_NEAR(astra.elevation, 34.78, 0.01);
  EXPECT_NEAR(DishPointing(0.0, 0.0, 0.0).elevation, 90.0, 1e-9);
  EXPECT_LT(DishPointing(-80.0, 48.0, 10.0).elevation, DishElevationLimit);
}
