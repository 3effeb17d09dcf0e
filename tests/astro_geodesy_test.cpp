// Geodesy: sphere and ellipsoid distances, dish pointing.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/geodesy.h"

using namespace quendal;

TEST(AstroGeodesy, IdenticalPlacesAreZeroApart) {
  EXPECT_EQ(SphereDistance(16.37, 48.21, 16.37, 48.21), 0.0);
  EXPECT_EQ(EllipsoidDistance(16.37, 48.21, 16.37, 48.21), 0.0);
  EXPECT_EQ(EllipsoidDistance(180.0, 30.0, -180.0, 30.0), 0.0);
  EXPECT_EQ(EllipsoidDistance(-180.0, -30.0, 180.0, -30.0), 0.0);
  EXPECT_EQ(EllipsoidDistance(10.0, 90.0, 120.0, 90.0), 0.0);
  EXPECT_EQ(EllipsoidDistance(10.0, -90.0, -75.0, -90.0), 0.0);
  EXPECT_NEAR(SphereDistance(180.0, 30.0, -180.0, 30.0), 0.0, 1e-6);
}

TEST(AstroGeodesy, OneDegreeOfTheEquator) {
  EXPECT_NEAR(SphereDistance(0.0, 0.0, 1.0, 0.0), 111.319, 0.0005);
  // Along the equator the geodesic is the equator: a times the angle.
  EXPECT_NEAR(EllipsoidDistance(0.0, 0.0, 1.0, 0.0), 6378.137 * 3.14159265358979323846 / 180.0, 1e-9);
  EXPECT_NEAR(EllipsoidDistance(0.0, 0.0, 1e-6, 0.0), 6378.137 * 3.14159265358979323846 / 180e6, 1e-12);
}

TEST(AstroGeodesy, ViennaBerlin) {
  EXPECT_NEAR(SphereDistance(16.37, 48.21, 13.40, 52.52), 523.98, 0.005);
  EXPECT_NEAR(EllipsoidDistance(16.37, 48.21, 13.40, 52.52), 523.82, 0.005);
}

TEST(AstroGeodesy, LatitudesAndLongitudesAreClamped) {
  EXPECT_EQ(SphereDistance(0.0, 91.0, 50.0, 45.0), SphereDistance(0.0, 90.0, 50.0, 45.0));
  EXPECT_EQ(EllipsoidDistance(0.0, 91.0, 50.0, 45.0), EllipsoidDistance(0.0, 90.0, 50.0, 45.0));
  EXPECT_EQ(EllipsoidDistance(190.0, 10.0, 50.0, -95.0), EllipsoidDistance(180.0, 10.0, 50.0, -90.0));
}

// Geodesic distances (km) on WGS84 computed independently with Karney's
// method (GeographicLib), to the micrometre: general, nearly antipodal,
// polar and equatorial lines.
TEST(AstroGeodesy, EllipsoidAgreesWithGeodesicReferences) {
  struct Case {
    double lon1, lat1, lon2, lat2, km;
  };
  const Case cases[] = {
      {0.0, 0.0, 0.0, 1.0, 110.574388558},
      {16.37, 48.21, 13.40, 52.52, 523.819813846},
      {-74.0, 40.7, 151.2, -33.9, 15990.627264134},
      {0.0, 10.0, 179.0, -10.0, 19926.862679588},
      {0.0, 10.0, 180.0, -10.5, 19948.626733911},
      {0.0, 45.0, 170.0, -45.0, 19232.743938762},
      {0.0, 89.0, 180.0, -89.5, 19948.084569160},
      {0.0, 0.0, 179.5, 0.5, 19936.288578965},
      {0.0, 0.0, 179.9, 0.0, 20003.008421509},
      {0.0, 30.0, 179.99, -30.0, 20003.922228149},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(EllipsoidDistance(c.lon1, c.lat1, c.lon2, c.lat2), c.km, 2e-9) << c.lon2 << " " << c.lat2;
    EXPECT_NEAR(EllipsoidDistance(c.lon2, c.lat2, c.lon1, c.lat1), c.km, 2e-9) << c.lon2 << " " << c.lat2;
  }
}

TEST(AstroGeodesy, AntipodesGiveHalfAMeridian) {
  EXPECT_NEAR(HalfMeridianKm(), 20003.931458625, 1e-9);
  EXPECT_NEAR(EllipsoidDistance(10.0, 0.0, -170.0, 0.0), HalfMeridianKm(), 1e-9);
  EXPECT_NEAR(EllipsoidDistance(16.37, 48.21, -163.63, -48.21), HalfMeridianKm(), 1e-9);
  EXPECT_NEAR(EllipsoidDistance(0.0, 90.0, 35.0, -90.0), HalfMeridianKm(), 1e-9);
  // No shortest line is longer than half a meridian.
  for (double dl = 0.0; dl < 2.0; dl += 0.01) {
    const double s = EllipsoidDistance(0.0, 20.0, 180.0 - dl, -20.0 + dl / 3.0);
    EXPECT_LE(s, HalfMeridianKm() + 1e-9);
    EXPECT_GT(s, 19700.0);
  }
}

// A second method for meridian arcs: the integral of the meridian's radius
// of curvature M = a (1 - e^2) / (1 - e^2 sin^2 phi)^(3/2) by Simpson's rule.
TEST(AstroGeodesy, MeridianArcsAgreeWithTheRadiusOfCurvature) {
  const double a = EarthEquatorialRadiusKm, f = EarthFlattening, e2 = f * (2.0 - f);
  const double rad = 3.14159265358979323846 / 180.0;
  const auto arc = [&](double from, double to) {
    const int n = 20000;
    const double h = (to - from) * rad / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
      const double phi = from * rad + i * h;
      const double m = a * (1.0 - e2) / std::pow(1.0 - e2 * std::sin(phi) * std::sin(phi), 1.5);
      sum += m * (i == 0 || i == n ? 1.0 : (i % 2 ? 4.0 : 2.0));
    }
    return sum * h / 3.0;
  };
  for (double from : {-90.0, -61.5, -20.0, 0.0, 33.3})
    for (double to : {-45.0, 0.0, 12.0, 48.2, 90.0})
      if (to > from) {
        EXPECT_NEAR(EllipsoidDistance(7.0, from, 7.0, to), arc(from, to), 1e-8) << from << " " << to;
      }
  EXPECT_NEAR(2.0 * arc(0.0, 90.0), HalfMeridianKm(), 1e-8);
}

// Short lines obey the ellipsoid's local metric ds^2 = (M dphi)^2 + (N cos phi dlambda)^2.
TEST(AstroGeodesy, ShortLinesFollowTheLocalMetric) {
  const double a = EarthEquatorialRadiusKm, f = EarthFlattening, e2 = f * (2.0 - f);
  const double rad = 3.14159265358979323846 / 180.0;
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> lon(-179.0, 179.0), lat(-89.0, 89.0), step(-1e-4, 1e-4);
  for (int i = 0; i < 2000; ++i) {
    const double l = lon(rng), p = lat(rng), dl = step(rng), dp = step(rng);
    const double phi = (p + dp / 2.0) * rad, w = 1.0 - e2 * std::sin(phi) * std::sin(phi);
    const double m = a * (1.0 - e2) / std::pow(w, 1.5), nn = a / std::sqrt(w);
    const double expected = std::hypot(m * dp * rad, nn * std::cos(phi) * dl * rad);
    ASSERT_NEAR(EllipsoidDistance(l, p, l + dl, p + dp), expected, 1e-9 + 1e-8 * expected) << l << " " << p;
  }
}

// Laws over random pairs: both distances symmetric, the two methods within
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
    ASSERT_NEAR(EllipsoidDistance(l2, p2, l1, p1), e, 1e-9);
    ASSERT_GT(s, 0.0);
    const double ratio = std::fabs(e / s - 1.0);
    ASSERT_LT(ratio, 0.0068) << l1 << " " << p1 << " " << l2 << " " << p2;
    if (std::fabs(p1) >= 30.0 && std::fabs(p2) >= 30.0)
      worst = std::max(worst, ratio);
  }
  EXPECT_LT(worst, 0.006);
  // A short meridian arc at the equator: the ratio is 1 - e^2 to first order.
  const double f = EarthFlattening;
  EXPECT_NEAR(EllipsoidDistance(0.0, -0.5, 0.0, 0.5) / SphereDistance(0.0, -0.5, 0.0, 0.5),
              1.0 - f * (2.0 - f), 1e-4);
}

// The azimuth by vectors: the direction from the observer to the satellite
// (6.6 Earth radii out, 1 / 0.1513) in the observer's east and north, for
// every longitude difference, also with the satellite below the horizon.
TEST(AstroGeodesy, DishAzimuthByVectors) {
  constexpr double pi = 3.14159265358979323846;
  for (double lat = -85.0; lat <= 85.0; lat += 17.0) {
    for (double dl = -175.0; dl <= 175.0; dl += 25.0) {
      if (lat == 0.0 && dl == 0.0) continue;  // straight up: no azimuth
      const DishDirection d = DishPointing(dl, lat, 0.0);  // satellite dl degrees east of the observer
      const double r = 1.0 / 0.1513, p = lat * pi / 180.0, l = dl * pi / 180.0;
      const double sx = r * std::cos(l) - std::cos(p), sy = r * std::sin(l), sz = -std::sin(p);
      const double east = sy, north = -std::sin(p) * sx + std::cos(p) * sz;
      const double expected = std::fmod(std::atan2(east, north) * 180.0 / pi + 360.0, 360.0);
      EXPECT_NEAR(std::remainder(d.azimuth - expected, 360.0), 0.0, 1e-9)
          << lat << " " << dl << " elevation " << d.elevation;
      EXPECT_GE(d.azimuth, 0.0);
      EXPECT_LT(d.azimuth, 360.0);
    }
  }
}

TEST(AstroGeodesy, DishTowardsAstraFromAustria) {
  const DishDirection d = DishPointing(19.2, 48.0, 16.0);  // Astra at 19.2 E
  EXPECT_NEAR(d.azimuth, 175.70, 0.01);
  EXPECT_NEAR(d.elevation, 34.78, 0.01);
}

TEST(AstroGeodesy, DishGeometry) {
  // On the equator below the satellite: straight up.
  EXPECT_NEAR(DishPointing(0.0, 0.0, 0.0).elevation, 90.0, 1e-9);
  // A satellite on the observer's meridian lies due south in the north and
  // due north in the south.
  EXPECT_NEAR(DishPointing(10.0, 45.0, 10.0).azimuth, 180.0, 1e-9);
  const double south = DishPointing(10.0, -45.0, 10.0).azimuth;
  EXPECT_NEAR(south, 0.0, 1e-9);
  EXPECT_GE(south, 0.0);
  EXPECT_LT(south, 360.0);
  // West of the observer in the afternoon sky, east in the morning sky.
  EXPECT_GT(DishPointing(-30.0, 45.0, 10.0).azimuth, 180.0);  // satellite at 30 W, observer 10 E
  EXPECT_LT(DishPointing(40.0, 45.0, 10.0).azimuth, 180.0);   // satellite at 40 E
  // 90 degrees of longitude apart: below the limit.
  EXPECT_LT(DishPointing(-80.0, 48.0, 10.0).elevation, DishElevationLimit);
  // Independent check of the elevation: the satellite at 6.6 Earth radii
  // (1 / 0.1513) seen from the surface, by vectors.
  for (double lat = -70.0; lat <= 70.0; lat += 10.0) {
    for (double dl = -80.0; dl <= 80.0; dl += 20.0) {
      const double el = DishPointing(dl, lat, 0.0).elevation;
      const double r = 1.0 / 0.1513, p = lat * 3.14159265358979323846 / 180.0,
                   l = dl * 3.14159265358979323846 / 180.0;
      const double ox = std::cos(p), oz = std::sin(p);
      const double sx = r * std::cos(l) - ox, sy = r * std::sin(l), sz = -oz;
      const double up = sx * ox + sz * oz;
      const double expected =
          std::atan2(up, std::sqrt(sx * sx + sy * sy + sz * sz - up * up)) * 180.0 / 3.14159265358979323846;
      EXPECT_NEAR(el, expected, 1e-9) << lat << " " << dl;
    }
  }
}
