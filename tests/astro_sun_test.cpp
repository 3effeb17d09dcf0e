// Low-precision Sun and equation of time: Meeus' worked examples 25.a and
// 28.b, Meeus' low-accuracy Sun (ch. 25) with eq. 28.1 as a second
// algorithm, the graph row, and the yearly turning points against a scan.
#include <cmath>

#include <gtest/gtest.h>

#include "astro/numeric.h"
#include "astro/nutation.h"
#include "astro/sun.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"

namespace quendal {
namespace {

// Meeus ch. 25 (low accuracy): apparent right ascension (degrees) and
// declination of the Sun; jde in dynamical time.
void meeusSun(double jde, double& ra, double& dec) {
  const double t = (jde - 2451545.0) / 36525.0;
  const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
  const double m = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
  const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * SinDeg(m) +
                   (0.019993 - 0.000101 * t) * SinDeg(2 * m) + 0.000289 * SinDeg(3 * m);
  const double omega = 125.04 - 1934.136 * t;
  const double lambda = l0 + c - 0.00569 - 0.00478 * SinDeg(omega);
  const double eps0 = 23.0 + 26.0 / 60 + 21.448 / 3600 -
                      (46.8150 * t + 0.00059 * t * t - 0.001813 * t * t * t) / 3600;
  const double eps = eps0 + 0.00256 * CosDeg(omega);
  ra = NormalizeDegrees(DegreesPerRadian * std::atan2(CosDeg(eps) * SinDeg(lambda), CosDeg(lambda)));
  dec = DegreesPerRadian * std::asin(SinDeg(eps) * SinDeg(lambda));
}

TEST(LowPrecisionSun, MeeusExample25a) {
  // 1992 October 13.0 TD: apparent RA 13h13m31.4s, declination -7d47'01".
  double ra, dec;
  LowPrecisionSun((2448908.5 - 2451545.0) / 36525.0, ra, dec);
  EXPECT_NEAR(ra, 13.0 + 13.0 / 60 + 31.4 / 3600, 1.0 / 3600);
  EXPECT_NEAR(dec, -(7.0 + 47.0 / 60 + 1.0 / 3600), 10.0 / 3600);
}

TEST(LowPrecisionSun, AgreesWithMeeusLowAccuracySunOverTwoCenturies) {
  double worstRa = 0.0, worstDec = 0.0;
  for (double jd = 2415020.5; jd < 2488070.5; jd += 1.37) {
    double ra, dec, mra, mdec;
    LowPrecisionSun((jd - 2451545.0) / 36525.0, ra, dec);
    ASSERT_GE(ra, 0.0);
    ASSERT_LT(ra, 24.0);
    meeusSun(jd, mra, mdec);
    double dra = ra * 15.0 - mra;
    dra -= 360.0 * std::floor(dra / 360.0 + 0.5);
    worstRa = std::fmax(worstRa, std::fabs(dra) * CosDeg(dec));
    worstDec = std::fmax(worstDec, std::fabs(dec - mdec));
  }
  EXPECT_LT(worstRa, 1.5 / 60);
  EXPECT_LT(worstDec, 1.5 / 60);
}

TEST(EquationOfTime, MeeusExample28b) {
  // 1992 October 13, 0h: E = +13m42.7s (Smart's formula).
  EXPECT_NEAR(EquationOfTime(2448908.5), 13.0 + 42.7 / 60, 0.1 / 60);
}

TEST(EquationOfTime, AgreesWithRightAscensionMethodOverTwoCenturies) {
  // Meeus eq. 28.1: E = L0 - 0.0057183 deg - alpha + dpsi cos eps.
  double worst = 0.0;
  for (double jd = 2415020.5; jd < 2488070.5; jd += 2.31) {
    const double t = (jd - 2451545.0) / 36525.0;
    const double tau = t / 10.0;  // Julian millennia
    const double l0 = 280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau;
    double ra, dec;
    meeusSun(jd, ra, dec);
    double e = l0 - 0.0057183 - ra + Nutation(jd).longitude * CosDeg(TrueObliquity(jd));
    e -= 360.0 * std::floor(e / 360.0 + 0.5);
    worst = std::fmax(worst, std::fabs(EquationOfTime(jd) - e * 4.0));
  }
  EXPECT_LT(worst, 5.0 / 60);  // Smart's formula: within 5 seconds over 1900..2100
}

TEST(EquationOfTimeRow, MapsPlusMinus21MinutesOntoTheNearestRow) {
  double e;
  int evaluations = 0;
  double value;
  // At a zero crossing the row is the centre, h/2 truncated.
  const double zero = EquationOfTimeExtremum(datetojd(2024, 4, 5), value, evaluations, 0);
  EXPECT_EQ(EquationOfTimeRow(zero, 300, e), 150);
  // Either side of the crossing the curve stays on the centre row or its
  // neighbour: no jump.
  for (double dt = -0.5; dt <= 0.5; dt += 0.01) {
    const int row = EquationOfTimeRow(zero + dt, 300, e);
    EXPECT_NEAR(row, 150.0, 1.0) << dt;
  }
  // Over a year every row is the nearest one to h/2 - h E / 42.
  for (double jd = datetojd(2024, 1, 1); jd < datetojd(2025, 1, 1); jd += 0.25) {
    const int row = EquationOfTimeRow(jd, 420, e);
    EXPECT_LE(std::fabs(row - (210.0 - 420.0 * e / 42.0)), 0.501) << jd;
  }
  // E > 0 lies above the centre line, E < 0 below.
  EXPECT_LT(EquationOfTimeRow(datetojd(2024, 11, 3), 420, e), 210);
  EXPECT_GT(EquationOfTimeRow(datetojd(2024, 2, 11), 420, e), 210);
  // Clamping: plots lower than the curve's swing.
  EXPECT_EQ(EquationOfTimeRow(datetojd(2024, 11, 3), 0, e), 0);
  for (int h : {1, 2, 10}) {
    EXPECT_LE(std::fabs(EquationOfTimeRow(datetojd(2024, 11, 3), h, e) - (h / 2.0 - h * e / 42.0)),
              0.501);
    const int r = EquationOfTimeRow(datetojd(2024, 2, 11), h, e);
    EXPECT_GE(r, 0);
    EXPECT_LE(r, h);
  }
}

TEST(EquationOfTimeExtremum, FindsTheEightTurningPointsOfAYear) {
  // The search order of the year evaluation: great minimum, zero, little
  // maximum, zero, little minimum, zero, great maximum, zero.
  const int modes[8] = {-1, 0, 1, 0, -1, 0, 1, 0};
  // Days after 1 January 0h (1700..2100, the turning points drift slowly).
  const double earliest[8] = {36, 100, 128, 158, 200, 236, 300, 352};
  const double latest[8] = {48, 112, 140, 170, 212, 248, 312, 364};
  for (int year : {1700, 2024, 2100}) {
    const double newYear = datetojd(year, 1, 1);
    double jd = newYear;
    int evaluations = 0;
    for (int k = 0; k < 8; ++k) {
      const int before = evaluations;
      double value;
      const double found = EquationOfTimeExtremum(jd, value, evaluations, modes[k]);
      EXPECT_GT(evaluations - before, 18);
      EXPECT_LE(evaluations - before, 1800);
      EXPECT_GT(found - newYear, earliest[k]) << year << " event " << k;
      EXPECT_LT(found - newYear, latest[k]) << year << " event " << k;
      // A brute-force scan of +-2 days every 0.5 minutes finds no better value.
      double scanBest = value;
      double scanJd = found;
      for (double x = found - 2.0; x <= found + 2.0; x += 1.0 / 2880.0) {
        const double e = EquationOfTime(x);
        const double v = modes[k] == 0 ? std::fabs(e) : e;
        if (modes[k] >= 1 ? v > scanBest : v < scanBest) {
          scanBest = v;
          scanJd = x;
        }
      }
      EXPECT_NEAR(scanBest, value, 1e-5) << year << " event " << k;
      EXPECT_NEAR(scanJd, found, modes[k] == 0 ? 0.001 : 0.1) << year << " event " << k;
      if (modes[k] == 0) {
        EXPECT_LT(value, 0.001);
      }
      jd = found + 5.0;
    }
  }
}

TEST(EquationOfTimeExtremum, KnownTurningValuesOf2024) {
  int evaluations = 0;
  double value;
  EquationOfTimeExtremum(datetojd(2024, 1, 1), value, evaluations, -1);
  EXPECT_NEAR(value, -14.2, 0.1);
  EquationOfTimeExtremum(datetojd(2024, 9, 10), value, evaluations, 1);
  EXPECT_NEAR(value, 16.4, 0.1);
}

}  // namespace
}  // namespace quendal
