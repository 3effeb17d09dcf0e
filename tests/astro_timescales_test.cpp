// Delta T, sidereal time, nutation and obliquity: interval rules,
// continuity laws, ERFA.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/frame.h"
#include "astro/nutation.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "support.h"

namespace quendal {
namespace {

// Difference of two times in seconds, wrapped to +-12 h.
double secondsBetween(double a, double b) {
  double d = a - b;
  d -= 24.0 * std::floor(d / 24.0 + 0.5);
  return d * 3600.0;
}

// Published values (the constant terms at the centre of their intervals),
// and the laws from -500 to 3000.
TEST(DeltaT, PublishedValuesAndNeighbouringMonths) {
  EXPECT_NEAR(DeltaT(2000, 1), 63.874, 0.001);
  EXPECT_NEAR(DeltaT(1950, 1), 29.07, 0.05);
  EXPECT_NEAR(DeltaT(1975, 1), 45.45, 0.06);
  // Within an interval consecutive months differ by the slope (at most about
  // 1.5 s per month near -500).
  double worst = 0.0;
  double previous = DeltaT(-500, 1);
  for (int year = -500; year <= 2150; ++year) {
    for (int month = (year == -500 ? 2 : 1); month <= 12; ++month) {
      const double v = DeltaT(year, month);
      worst = std::fmax(worst, std::fabs(v - previous));
      previous = v;
    }
  }
  EXPECT_LT(worst, 1.6);
  // Each interval owns its whole upper year, so its polynomial runs up to a
  // year past the published limit: the steps at the limits (January minus
  // December of the year before, less one month of slope) stay near a second.
  for (int limit : {500, 1600, 1700, 1800, 1860, 1900, 1920, 1941, 1961, 1986, 2005, 2050, 2150}) {
    const double before = DeltaT(limit, 12), after = DeltaT(limit + 1, 1);
    const double slope = (DeltaT(limit, 12) - DeltaT(limit, 11) + DeltaT(limit + 1, 2) - DeltaT(limit + 1, 1)) / 2.0;
    EXPECT_LT(std::fabs(after - before - slope), 1.2) << limit;
  }
  // After 2150 the value changes once a year, along the published parabola.
  for (int year = 2151; year <= 3000; year += 7) {
    const double u = (year - 1820) / 100.0;
    EXPECT_DOUBLE_EQ(DeltaT(year, 1), DeltaT(year, 12));
    EXPECT_NEAR(DeltaT(year, 7), -20.0 + 32.0 * u * u, 1e-9);
  }
}

// Before -500 the long-term parabola of the same set, -20 + 32 u^2 with
// u = (y - 1820) / 100, joining the -500..500 polynomial within 0.03 s;
// Delta T grows back to JD 0 (-4712); no year gets 0.
TEST(DeltaT, LongTermParabolaBeforeMinus500) {
  for (int year = -4712; year <= -501; year += 7) {
    const double u = (year + 6.5 / 12.0 - 1820.0) / 100.0;
    EXPECT_NEAR(DeltaT(year, 7), -20.0 + 32.0 * u * u, 1e-9) << year;
  }
  const double slope = (DeltaT(-501, 12) - DeltaT(-501, 11) + DeltaT(-500, 2) - DeltaT(-500, 1)) / 2.0;
  EXPECT_NEAR(DeltaT(-500, 1) - DeltaT(-501, 12) - slope, 0.0, 0.03);
  EXPECT_NEAR(DeltaT(-501, 12), 17204.3, 0.1);
  EXPECT_GT(DeltaT(-4712, 1), DeltaT(-2000, 1));
  EXPECT_NEAR(DeltaTForJD(0.5), DeltaT(-4712, 1), 1e-9);
}

TEST(DeltaT, ForJulianDateIsConstantWithinTheCalendarMonth) {
  const double first = datetojd(2024, 3, 1);
  const double last = datetojd(2024, 3, 31) + 0.9999;
  EXPECT_DOUBLE_EQ(DeltaTForJD(first), DeltaTForJD(last));
  EXPECT_DOUBLE_EQ(DeltaTForJD(first), DeltaT(2024, 3));
  EXPECT_DOUBLE_EQ(DeltaTForJD(first - 0.0001), DeltaT(2024, 2));
  // Before the calendar reform the month is the Julian-calendar month.
  EXPECT_DOUBLE_EQ(DeltaTForJD(2299159.5), DeltaT(1582, 10));  // 4 October 1582
  EXPECT_DOUBLE_EQ(DeltaTForJD(2299160.5), DeltaT(1582, 10));  // 15 October 1582
  EXPECT_DOUBLE_EQ(DeltaTForJD(std::nan("")), 0.0);
  EXPECT_GT(DeltaTForJD(1.0e13), 1.0e9);  // far future: the parabola, no overflow
}

// Local mean sidereal time takes east longitudes (the sidereal times
// themselves against ERFA: below).
TEST(SiderealTime, LocalMeanTakesEastLongitudes) {
  const double mjd = 60384.8125;
  EXPECT_NEAR(secondsBetween(LocalMeanSiderealTime(mjd, 30.0), MeanSiderealTime(mjd + 2400000.5, 0.0) + 2.0), 0.0,
              1e-6);
}

TEST(SiderealTime, ApparentStaysInRangeAndWithinTheEquationOfTheEquinoxes) {
  for (double jd = 2440000.3; jd < 2470000.0; jd += 1.7371) {
    const double mean = MeanSiderealTime(jd, 0.0);
    const double apparent = ApparentSiderealTime(FrameAt(InstantFromUT(jd)), 0.0);
    ASSERT_GE(apparent, 0.0);
    ASSERT_LT(apparent, 24.0);
    ASSERT_LT(std::fabs(secondsBetween(apparent, mean)), 1.2);
  }
  // An instant whose mean sidereal time lies a few milliseconds after 0h while
  // the equation of the equinoxes is negative: the apparent value wraps to 24h-.
  double jd = 2451545.0 + (24.0 - 280.46061837 / 15.0) / 24.0 / 1.00273790935;
  jd += (0.0 - MeanSiderealTime(jd, 0.0)) / 24.0 / 1.00273790935 + 0.002 / 86400.0;
  const double mean = MeanSiderealTime(jd, 0.0);
  ASSERT_LT(mean, 0.0001);
  const double apparent = ApparentSiderealTime(FrameAt(InstantFromUT(jd)), 0.0);
  EXPECT_GT(apparent, 23.999);
  EXPECT_LT(apparent, 24.0);
}

// Nutation (IAU 1980), mean obliquity, mean sidereal time (IAU 1982) and the
// equation of the equinoxes against ERFA over 1900..2100, and Laskar's
// obliquity against the IAU 1976 one over 1000..3000 (tests/data/earth_erfa.txt,
// tools/gen_erfa_reference.py).
TEST(Nutation, AgreesWithErfa) {
  for (const auto& r : testsupport::table("earth_erfa.txt", 0)) {
    const double jd = r[0];
    const NutationAngles n = Nutation(jd);
    ASSERT_NEAR(n.longitude * 3600.0, r[1], 0.0005) << jd;
    ASSERT_NEAR(n.obliquity * 3600.0, r[2], 0.0005) << jd;
    ASSERT_NEAR(MeanObliquity(jd) * 3600.0, r[3], 0.01) << jd;
    ASSERT_NEAR(std::remainder(MeanSiderealTime(jd, 0.0) - r[4], 24.0) * 3600.0, 0.0, 0.001) << jd;
    const InstantFrame f = FrameAt(InstantFromUT(jd));
    ASSERT_NEAR(std::remainder(f.apparentSiderealTime - f.meanSiderealTime, 24.0) * 3600.0, r[5], 0.001) << jd;
  }
  for (const auto& r : testsupport::table("earth_erfa.txt", 1))
    EXPECT_NEAR(MeanObliquity(r[0]) * 3600.0, r[1], 0.35) << r[0];
}

}  // namespace
}  // namespace quendal
