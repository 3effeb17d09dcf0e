// Nutation and obliquity: Meeus' example 22.a, the one-entry caches, the
// IAU 1976 obliquity and Meeus' short nutation formula as second algorithms.
#include <cmath>

#include <gtest/gtest.h>

#include "astro/numeric.h"
#include "astro/nutation.h"

namespace quendal {
namespace {

constexpr double ArcsecPerRadian = 180.0 / Pi * 3600.0;

TEST(Nutation, MeeusExample22a) {
  // 1987 April 10, 0h TD. Book: dpsi -3.788", deps +9.443" (the book's
  // 63-term table; all 106 terms give +9.4425"), eps0 23d26'27.407",
  // eps 23d26'36.850".
  double deps, dpsi;
  Nutation(2446895.5, deps, dpsi);
  EXPECT_NEAR(dpsi * ArcsecPerRadian, -3.788, 0.0005);
  EXPECT_NEAR(deps * ArcsecPerRadian, 9.4425, 0.0002);
  EXPECT_NEAR(deps * ArcsecPerRadian, 9.443, 0.001);
  EXPECT_NEAR(MeanObliquity(2446895.5) * ArcsecPerRadian, 23.0 * 3600 + 26 * 60 + 27.407, 0.001);
  EXPECT_NEAR(TrueObliquity(2446895.5) * ArcsecPerRadian, 23.0 * 3600 + 26 * 60 + 36.850, 0.001);
}

TEST(Nutation, CachesReturnTheStoredValuesForTheIdenticalInstant) {
  double e1, p1, e2, p2, e3, p3;
  Nutation(2451545.0, e1, p1);
  Nutation(2460000.25, e2, p2);
  Nutation(2451545.0, e3, p3);
  EXPECT_EQ(e1, e3);
  EXPECT_EQ(p1, p3);
  EXPECT_NE(p1, p2);
  double es, ps;
  NutationSeries(2460000.25, es, ps);
  Nutation(2460000.25, e2, p2);
  Nutation(2460000.25, e3, p3);
  EXPECT_EQ(e2, es);
  EXPECT_EQ(p3, ps);
  // The obliquity cache follows its own key.
  const double a = TrueObliquity(2451545.0);
  const double b = TrueObliquity(2451545.5);
  EXPECT_NE(a, b);
  EXPECT_EQ(TrueObliquity(2451545.0), a);
  EXPECT_EQ(a, MeanObliquity(2451545.0) + e1);
}

TEST(Nutation, AgreesWithMeeusShortFormulaOverTwoCenturies) {
  // Meeus ch. 22, accuracy 0.5" in dpsi and 0.1" in deps.
  double worstPsi = 0.0, worstEps = 0.0;
  for (double jde = 2415020.5; jde < 2488070.5; jde += 3.17) {
    const double t = (jde - 2451545.0) / 36525.0;
    const double om = (125.04452 - 1934.136261 * t) * RadiansPerDegree;
    const double l = (280.4665 + 36000.7698 * t) * RadiansPerDegree;
    const double lm = (218.3165 + 481267.8813 * t) * RadiansPerDegree;
    const double psi = -17.20 * std::sin(om) - 1.32 * std::sin(2 * l) - 0.23 * std::sin(2 * lm) +
                       0.21 * std::sin(2 * om);
    const double eps = 9.20 * std::cos(om) + 0.57 * std::cos(2 * l) + 0.10 * std::cos(2 * lm) -
                       0.09 * std::cos(2 * om);
    double deps, dpsi;
    Nutation(jde, deps, dpsi);
    worstPsi = std::fmax(worstPsi, std::fabs(dpsi * ArcsecPerRadian - psi));
    worstEps = std::fmax(worstEps, std::fabs(deps * ArcsecPerRadian - eps));
  }
  EXPECT_LT(worstPsi, 0.5);
  EXPECT_LT(worstEps, 0.15);
}

TEST(Obliquity, LaskarAgreesWithIau1976WithinAMillennium) {
  // Meeus eq. 22.2: 84381.448 - 46.8150 T - 0.00059 T^2 + 0.001813 T^3 arcsec.
  for (double jde = 2451545.0 - 365250.0; jde <= 2451545.0 + 365250.0; jde += 3652.5) {
    const double t = (jde - 2451545.0) / 36525.0;
    const double iau = 84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    EXPECT_NEAR(MeanObliquity(jde) * ArcsecPerRadian, iau, 0.35) << jde;
  }
}

}  // namespace
}  // namespace quendal
