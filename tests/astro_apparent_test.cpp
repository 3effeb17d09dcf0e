// Apparent places: Meeus' worked examples 25.b (Sun), 33.a (Venus), 45.a
// (Saturn's rings), 47.a (Moon); the low-precision Sun and Moon as second
// algorithms over 1900..2100; light-time consistency, continuity, the
// ecliptic-equatorial round trip, the Sun's aberration, parallax and the
// zodiac boundaries.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "astro/apparent.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/nutation.h"
#include "astro/planets.h"
#include "astro/sun.h"
#include "astro/timescales.h"
#include "astro/zodiac.h"
#include "calendar/calendar.h"

namespace quendal {
namespace {

struct Place {
  double ra = -1, dec = -1, distance = -1, elongation = -1, illuminated = -1, magnitude = -1;
  double diameter = -1, lambda = -1, beta = -1;
};

Place Position(double jde, int body, int lightTime = 1) {
  Place p;
  BodyPosition(jde, body, p.ra, p.dec, p.distance, p.elongation, p.illuminated, p.magnitude,
               p.diameter, p.lambda, p.beta, lightTime);
  return p;
}

double Hours(int h, int m, double s) { return h + m / 60.0 + s / 3600.0; }
double Degrees(int d, int m, double s) { return d < 0 ? -(-d + m / 60.0 + s / 3600.0) : d + m / 60.0 + s / 3600.0; }

// Angular separation of two equatorial places (hours, degrees), degrees.
double Separation(double ra1, double dec1, double ra2, double dec2) {
  const double c = SinDeg(dec1) * SinDeg(dec2) + CosDeg(dec1) * CosDeg(dec2) * CosDeg(15 * (ra1 - ra2));
  return std::acos(c > 1.0 ? 1.0 : c) * DegreesPerRadian;
}

TEST(BodyPosition, MeeusExample25bSun) {
  // 1992 October 13.0 TD: alpha = 13h13m30.749s, delta = -7 deg 47' 01.74"
  // (VSOP87 with FK5, nutation and aberration).
  const Place p = Position(2448908.5, BodySun);
  EXPECT_NEAR((p.ra - Hours(13, 13, 30.749)) * 3600, 0.0, 0.02);  // seconds of time
  EXPECT_NEAR((p.dec - Degrees(-7, 47, 1.74)) * 3600, 0.0, 0.2);  // arcseconds
  EXPECT_NEAR(p.distance, 0.99760775, 0.000003);
  EXPECT_EQ(p.elongation, 0.0);
  EXPECT_EQ(p.illuminated, 100.0);
  EXPECT_EQ(p.magnitude, -26.8);
  EXPECT_NEAR(p.diameter, 1919.26 / p.distance, 1e-9);
}

TEST(BodyPosition, MeeusExample33aVenus) {
  // 1992 December 20, 0h TD: alpha = 21h04m41.454s, delta = -18 deg 53' 16.84",
  // distance 0.910947 AU (Meeus 33.a: light time, FK5, aberration, nutation);
  // k = 0.647 (41.a).
  const Place p = Position(2448976.5, BodyVenus);
  EXPECT_LT(Separation(p.ra, p.dec, Hours(21, 4, 41.454), Degrees(-18, 53, 16.84)) * 3600, 1.0);
  EXPECT_NEAR(p.distance, 0.910947, 0.000002);
  EXPECT_NEAR(p.illuminated, 64.7, 0.05);
}

TEST(BodyPosition, PlanetaryAberration) {
  // The place seen from the Earth at jd - tau differs from the light-time
  // place seen from the Earth at jd by the annual aberration of Meeus eq.
  // 23.2 (constant 20.49552", the Earth's orbital eccentricity and perihelion).
  for (double jde = 2415020.5; jde < 2488070.5; jde += 1001.7) {
    const double t = (jde - 2451545.0) / 36525;
    const double e = 0.016708634 - 0.000042037 * t;
    const double perihelion = 102.93735 + 1.71946 * t;
    const double kappa = 20.49552 / 3600;
    HeliocentricState earth;
    ASSERT_EQ(PlanetHeliocentric(jde, BodyEarth, 0.0, earth), HeliocentricOk);
    const double sun = NormalizeDegrees(earth.l * DegreesPerRadian + 180.0);
    double deltaepsilon, deltapsi;
    Nutation(jde, deltaepsilon, deltapsi);
    for (int body : {1, 2, 4, 5, 6, 7, 8, 9}) {
      const Place p = Position(jde, body);
      HeliocentricState s;
      ASSERT_EQ(PlanetHeliocentric(jde - LightTimePerAU * Position(jde, body, 0).distance, body, 0.0, s),
                HeliocentricOk);
      const double x = s.r * std::cos(s.b) * std::cos(s.l) - earth.r * std::cos(earth.b) * std::cos(earth.l);
      const double y = s.r * std::cos(s.b) * std::sin(s.l) - earth.r * std::cos(earth.b) * std::sin(earth.l);
      const double z = s.r * std::sin(s.b) - earth.r * std::sin(earth.b);
      const double l = std::atan2(y, x) * DegreesPerRadian, b = std::atan2(z, std::hypot(x, y)) * DegreesPerRadian;
      const double dl = (-kappa * CosDeg(sun - l) + e * kappa * CosDeg(perihelion - l)) / CosDeg(b);
      const double db = -kappa * SinDeg(b) * (SinDeg(sun - l) - e * SinDeg(perihelion - l));
      const double apparent = p.lambda - deltapsi * DegreesPerRadian;
      EXPECT_NEAR(std::remainder(apparent - l - dl, 360.0) * 3600, 0.0, 0.1) << body << " " << jde;
      EXPECT_NEAR((p.beta - b - db) * 3600, 0.0, 0.1) << body << " " << jde;
    }
  }
}

TEST(BodyPosition, MeeusExample45aSaturnRingTilt) {
  // 1992 December 16, 0h TD: the Earth's saturnicentric latitude on the ring
  // plane B = 16.442 deg, which enters the magnitude as
  // -2.60 sin|B| + 1.25 sin^2 B.
  const double jde = 2448972.5;
  const Place p = Position(jde, BodySaturn);
  HeliocentricState s;
  ASSERT_EQ(PlanetHeliocentric(jde - LightTimePerAU * p.distance, BodySaturn, 0.0, s), HeliocentricOk);
  const double i = std::acos(p.illuminated / 50 - 1) * DegreesPerRadian;
  const double b = SinDeg(16.442);
  const double expected = -8.88 + 5 * std::log10(s.r * p.distance) + 0.044 * i - 2.60 * b + 1.25 * b * b;
  EXPECT_NEAR(p.magnitude, expected, 0.002);
}

TEST(BodyPosition, MeeusExample47aMoon) {
  // 1992 April 12, 0h TD: alpha = 134.688470 deg, delta = 13.768368 deg,
  // distance 368409.7 km (Meeus' abridged ELP-2000/82; nutation, no aberration).
  const Place p = Position(2448724.5, BodyMoon);
  EXPECT_LT(Separation(p.ra, p.dec, 134.688470 / 15, 13.768368) * 3600, 10.0);
  EXPECT_NEAR(p.distance * KilometresPerAU, 368409.7, 5.0);
  // Illuminated fraction k = 0.68 (Meeus 48.a), elongation = 180 - phase angle.
  EXPECT_NEAR(p.illuminated, 68.0, 0.5);
  EXPECT_NEAR(p.diameter, 112422.0 / (368409.7 / EarthRadiusKm), 0.5);
}

TEST(BodyPosition, SunAgreesWithTheLowPrecisionSun) {
  // The low-precision series (fixed obliquity, no nutation) is good to about
  // 1'; over 1900..2100 the two stay within 0.025 deg of each other.
  double worst = 0.0;
  for (double jd = 2415020.5; jd < 2488070.5; jd += 7.37) {
    const double jde = jd + DeltaTForJD(jd) / 86400;
    const Place p = Position(jde, BodySun);
    double ra, dec;
    LowPrecisionSun((jd - 2451545.0) / 36525, ra, dec);
    worst = std::fmax(worst, Separation(p.ra, p.dec, ra, dec));
  }
  EXPECT_LT(worst, 0.025);
}

TEST(BodyPosition, MoonAgreesWithTheLowPrecisionMoon) {
  // Within 0.3 deg over 1900..2100 (0.11 deg seen), also near 12h, where the
  // half-angle form of the right ascension is most sensitive (1926 April 19,
  // 10:10 UT once came out 0.38 h wrong).
  double worst = 0.0;
  int compared = 0;
  std::vector<double> instants;
  for (double jd = 2415020.5; jd < 2488070.5; jd += 4.13) instants.push_back(jd);
  instants.push_back(datetojd(1926, 4, 19) + (10 + 10 / 60.0) / 24.0);
  for (double jd : instants) {
    const double jde = jd + DeltaTForJD(jd) / 86400;
    const Place p = Position(jde, BodyMoon);
    double ra, dec;
    LowPrecisionMoon((jd - 2451545.0) / 36525, ra, dec);
    worst = std::fmax(worst, Separation(p.ra, p.dec, ra, dec));
    ++compared;
  }
  EXPECT_LT(worst, 0.3);
  EXPECT_GT(compared, 17680);
}

TEST(BodyPosition, SunsAberrationFromTheLightTime) {
  // The Earth taken at the instant the light left the Sun moves the Sun by the
  // annual aberration, -20.4955"/R in longitude (Meeus eq. 25.10) up to the
  // eccentricity term.
  for (double jde = 2415020.5; jde < 2488070.5; jde += 401.3) {
    const Place apparent = Position(jde, BodySun, 1);
    const Place geometric = Position(jde, BodySun, 0);
    const double dl = std::remainder(apparent.lambda - geometric.lambda, 360.0) * 3600;
    EXPECT_NEAR(dl, -20.4955 / geometric.distance, 0.4) << jde;
    EXPECT_NEAR(apparent.beta, geometric.beta, 1e-6);
  }
}

TEST(BodyPosition, LightTimeIsConsistent) {
  // The corrected distance is the light path from the planet at jd - tau to
  // the Earth at jd, and tau from that distance differs from the one used
  // (from the geometric distance) by far less than the motion could show.
  const double jde = 2460000.5;
  HeliocentricState earth;
  ASSERT_EQ(PlanetHeliocentric(jde, BodyEarth, 0.0, earth), HeliocentricOk);
  for (int body : {1, 2, 4, 5, 6, 7, 8, 9}) {
    const Place geometric = Position(jde, body, 0);
    const Place corrected = Position(jde, body, 1);
    HeliocentricState s;
    ASSERT_EQ(PlanetHeliocentric(jde - LightTimePerAU * geometric.distance, body, 0.0, s), HeliocentricOk);
    const double x = s.r * std::cos(s.b) * std::cos(s.l) - earth.r * std::cos(earth.b) * std::cos(earth.l);
    const double y = s.r * std::cos(s.b) * std::sin(s.l) - earth.r * std::cos(earth.b) * std::sin(earth.l);
    const double z = s.r * std::sin(s.b) - earth.r * std::sin(earth.b);
    EXPECT_NEAR(corrected.distance, std::sqrt(x * x + y * y + z * z), 1e-12) << body;
    EXPECT_LT(std::fabs(corrected.distance - geometric.distance) * LightTimePerAU, 1e-4) << body;
    // The correction displaces the planet by its geocentric motion during tau
    // and the aberration (20.5" at most).
    EXPECT_LT(std::fabs(std::remainder(corrected.lambda - geometric.lambda, 360.0)), 0.02) << body;
  }
}

TEST(BodyPosition, NoJumpsBetweenNeighbouringInstants) {
  // Every three hours through 2024: the Moon moves less than 2.2 deg, the Sun
  // and the planets less than 0.35 deg (Mercury 0.28 at most); distances and
  // magnitudes change smoothly.
  for (int body = -1; body <= 9; ++body) {
    if (body == BodyEarth) continue;
    Place previous = Position(2460310.5, body);
    for (double jde = 2460310.5 + 0.125; jde < 2460676.5; jde += 0.125) {
      const Place p = Position(jde, body);
      const double step = Separation(p.ra, p.dec, previous.ra, previous.dec);
      EXPECT_LT(step, body == BodyMoon ? 2.2 : 0.35) << body << " " << jde;
      EXPECT_LT(std::fabs(p.distance - previous.distance), body == BodyMoon ? 7e-6 : 0.005) << body;
      EXPECT_LT(std::fabs(p.magnitude - previous.magnitude), body == BodyMoon ? 0.3 : 0.15) << body;
      previous = p;
    }
  }
}

TEST(BodyPosition, EquatorialAndEclipticPlacesAgree) {
  // Right ascension and declination turned back to the ecliptic with the true
  // obliquity give the apparent longitude and latitude (Meeus eq. 13.1).
  for (double jde = 2378495.0; jde < 2524595.0; jde += 997.3) {
    const double eps = TrueObliquity(jde);
    for (int body : {-1, 0, 1, 2, 4, 5, 6, 7, 8, 9}) {
      const Place p = Position(jde, body);
      const double a = 15 * p.ra * RadiansPerDegree, d = p.dec * RadiansPerDegree;
      const double l = NormalizeRadians(std::atan2(std::sin(a) * std::cos(eps) + std::tan(d) * std::sin(eps),
                                                   std::cos(a))) * DegreesPerRadian;
      const double b = std::asin(std::sin(d) * std::cos(eps) - std::cos(d) * std::sin(eps) * std::sin(a)) *
                       DegreesPerRadian;
      EXPECT_NEAR(std::remainder(l - p.lambda, 360.0), 0.0, 1e-9) << body << " " << jde;
      EXPECT_NEAR(b, p.beta, 1e-9) << body << " " << jde;
      EXPECT_GE(p.ra, 0.0);
      EXPECT_LT(p.ra, 24.0);
      EXPECT_GE(p.lambda, 0.0);
      EXPECT_LT(p.lambda, 360.0);
    }
  }
}

TEST(BodyPosition, JupiterAtOpposition) {
  // Opposition of 2023 November 3.
  const Place p = Position(2460252.5, BodyJupiter);
  EXPECT_GT(p.elongation, 178.0);
  EXPECT_GT(p.illuminated, 99.99);
  EXPECT_NEAR(p.diameter, 184.12 / p.distance, 1e-9);
  EXPECT_NEAR(p.magnitude, -2.9, 0.1);
}

TEST(BodyPosition, BodyCodes) {
  Place p = Position(2451545.0, BodyEarth);
  EXPECT_EQ(p.ra, 0.0);
  EXPECT_EQ(p.dec, 0.0);
  EXPECT_EQ(p.distance, -1.0);  // untouched
  p = Position(2451545.0, 12);
  EXPECT_EQ(p.ra, 0.0);
  EXPECT_EQ(p.magnitude, -1.0);
  p = Position(2451545.0, -2);
  EXPECT_EQ(p.dec, 0.0);
  EXPECT_EQ(p.lambda, -1.0);

  const Place sun = Position(2451545.0, BodySun), sun10 = Position(2451545.0, BodySunAlias);
  EXPECT_EQ(sun.ra, sun10.ra);
  EXPECT_EQ(sun.diameter, sun10.diameter);
  const Place moon = Position(2451545.0, BodyMoon), moon11 = Position(2451545.0, BodyMoonAlias);
  EXPECT_EQ(moon.lambda, moon11.lambda);
  EXPECT_EQ(moon.magnitude, moon11.magnitude);
  EXPECT_GT(sun.ra, 0.0);
  EXPECT_GT(moon.ra, 0.0);
  EXPECT_NEAR(sun.diameter, 1919.26 / 0.9833, 0.5);
}

TEST(BodyPosition, MoonMagnitudeDoesNotDependOnEarlierCalls) {
  const Place first = Position(2455000.5, BodyMoon);
  Position(2440000.5, BodyMars);
  Position(2470000.5, BodySun);
  const Place again = Position(2455000.5, BodyMoon);
  EXPECT_EQ(first.magnitude, again.magnitude);
  // Full moon 2024 January 25: about -12.7.
  EXPECT_NEAR(Position(2460335.24, BodyMoon).magnitude, -12.7, 0.15);
}

TEST(EquatorialAtT, SunAndMoonThroughDeltaT) {
  const double t = (2460000.5 - 2451545.0) / 36525;
  const double jde = 2460000.5 + DeltaTForJD(2460000.5) / 86400;
  double ra, dec;
  SunEquatorialAtT(t, ra, dec);
  const Place sun = Position(jde, BodySun, 1);
  EXPECT_NEAR(ra, sun.ra, 1e-9);
  EXPECT_NEAR(dec, sun.dec, 1e-9);
  MoonEquatorialAtT(t, ra, dec);
  const Place moon = Position(jde, BodyMoon, 0);
  EXPECT_NEAR(ra, moon.ra, 1e-9);
  EXPECT_NEAR(dec, moon.dec, 1e-9);
}

TEST(MoonChartPosition, OffsetsFollowTheLunarAge) {
  for (double jd = 2460000.5; jd < 2460030.5; jd += 1.7) {
    HeliocentricState chart, earth;
    ASSERT_EQ(MoonChartPosition(jd, jd - 0.0008, 0.0, chart), HeliocentricOk);
    ASSERT_EQ(PlanetHeliocentric(jd, BodyEarth, 0.0, earth), HeliocentricOk);
    const double a = MoonAgeAngle(jd - 0.0008) * RadiansPerDegree;
    EXPECT_NEAR(earth.l - chart.l, 0.1121997376282069 * std::sin(a), 1e-15);
    EXPECT_NEAR(earth.r - chart.r, std::cos(a) / 7, 1e-15);
    EXPECT_EQ(earth.b, chart.b);
    EXPECT_EQ(earth.dl, chart.dl);
  }
}

TEST(AltitudeParallax, MoonAndOtherBodies) {
  // The Moon at 384400 km with a 1865" disc, on the horizon.
  const double distance = 384400.0 / KilometresPerAU;
  const double p = std::asin(6378.14 / 384400.0) * DegreesPerRadian;  // 0.9507 deg
  const double h = -1865.0 / 3600;
  EXPECT_NEAR(AltitudeParallax(BodyMoon, 0.0, distance, 1865.0), h - p * CosDeg(h), 1e-12);
  EXPECT_EQ(AltitudeParallax(BodyMoonAlias, 30.0, distance, 1865.0),
            AltitudeParallax(BodyMoon, 30.0, distance, 1865.0));
  // At the zenith only the lowering by the disc remains (cos 90 = 0).
  EXPECT_NEAR(AltitudeParallax(BodyMoon, 90.0 + 1865.0 / 3600, distance, 1865.0), 90.0, 1e-9);
  // The Sun at 1 AU: 8.794" on the horizon; a planet at 0.5 AU twice that.
  EXPECT_NEAR((AltitudeParallax(BodySun, 0.0, 1.0, 1920.0) - 0.0) * 3600, -8.794, 1e-9);
  EXPECT_NEAR((AltitudeParallax(BodyMars, 0.0, 0.5, 20.0) - 0.0) * 3600, -17.588, 1e-9);
  EXPECT_NEAR(AltitudeParallax(BodyVenus, 60.0, 1.0, 20.0), 60.0 - 8.794 / 3600 * 0.5, 1e-12);
}

TEST(ZodiacConstellation, Boundaries) {
  EXPECT_EQ(ZodiacConstellation(28.8), 12);
  EXPECT_EQ(ZodiacConstellation(28.81), 1);
  EXPECT_EQ(ZodiacConstellation(247.7), 8);
  EXPECT_EQ(ZodiacConstellation(250.0), 13);
  EXPECT_EQ(ZodiacConstellation(359.0), 12);
  const struct {
    double upper;
    int below, above;
  } bounds[] = {{28.8, 12, 1}, {53.5, 1, 2},  {90.2, 2, 3},   {118.1, 3, 4},   {138.2, 4, 5},
                {173.9, 5, 6}, {218.0, 6, 7}, {241.0, 7, 8},  {247.7, 8, 13},  {266.3, 13, 9},
                {299.7, 9, 10}, {327.6, 10, 11}, {351.6, 11, 12}};
  for (const auto& b : bounds) {
    EXPECT_EQ(ZodiacConstellation(b.upper), b.below) << b.upper;
    EXPECT_EQ(ZodiacConstellation(b.upper + 1e-9), b.above) << b.upper;
    EXPECT_EQ(ZodiacConstellation(b.upper - 1.0), b.below) << b.upper;
  }
  EXPECT_EQ(ZodiacConstellation(0.0), 12);
  EXPECT_EQ(ZodiacConstellation(360.0), 12);
  // Longitudes outside 0..360 are taken modulo 360.
  EXPECT_EQ(ZodiacConstellation(400.0), 1);
  EXPECT_EQ(ZodiacConstellation(-50.0), 10);
  // Every longitude maps to 1..13, and the Sun passes all thirteen in a year.
  int seen[14] = {};
  for (double jde = 2460310.5; jde < 2460676.5; jde += 1.0) seen[ZodiacConstellation(Position(jde, BodySun).lambda)]++;
  for (int k = 1; k <= 13; ++k) EXPECT_GT(seen[k], 0) << k;
  EXPECT_EQ(seen[0], 0);
}

}  // namespace
}  // namespace quendal
