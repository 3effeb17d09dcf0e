// Nutation and obliquity: Meeus' example 22.a, the IAU 1976 obliquity and
// Meeus' short nutation formula as second algorithms.
#include <cmath>

#include <gtest/gtest.h>

#include "astro/numeric.h"
#include "astro/nutation.h"

namespace quendal {
namespace {

constexpr double ArcsecPerDegree = 3600.0;

TEST(Nutation, MeeusExample22a) {
  // 1987 April 10, 0h TD. Book: dpsi -3.788", deps +9.443" (the book's
  // 63-term table; all 106 terms give +9.4425"), eps0 23d26'27.407",
  // eps 23d26'36.850".
  const NutationAngles n = Nutation(2446895.5);
  EXPECT_NEAR(n.longitude * ArcsecPerDegree, -3.788, 0.0005);
  EXPECT_NEAR(n.obliquity * ArcsecPerDegree, 9.4425, 0.0002);
  EXPECT_NEAR(n.obliquity * ArcsecPerDegree, 9.443, 0.001);
  EXPECT_NEAR(MeanObliquity(2446895.5) * ArcsecPerDegree, 23.0 * 3600 + 26 * 60 + 27.407, 0.001);
  EXPECT_NEAR(TrueObliquity(2446895.5) * ArcsecPerDegree, 23.0 * 3600 + 26 * 60 + 36.850, 0.001);
  EXPECT_NEAR(TrueObliquity(2446895.5), MeanObliquity(2446895.5) + n.obliquity, 1e-12);
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
    const NutationAngles n = Nutation(jde);
    worstPsi = std::fmax(worstPsi, std::fabs(n.longitude * ArcsecPerDegree - psi));
    worstEps = std::fmax(worstEps, std::fabs(n.obliquity * ArcsecPerDegree - eps));
  }
  EXPECT_LT(worstPsi, 0.5);
  EXPECT_LT(worstEps, 0.15);
}

TEST(Obliquity, LaskarAgreesWithIau1976WithinAMillennium) {
  // Meeus eq. 22.2: 84381.448 - 46.8150 T - 0.00059 T^2 + 0.001813 T^3 arcsec.
  for (double jde = 2451545.0 - 365250.0; jde <= 2451545.0 + 365250.0; jde += 3652.5) {
    const double t = (jde - 2451545.0) / 36525.0;
    const double iau = 84381.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t;
    EXPECT_NEAR(MeanObliquity(jde) * ArcsecPerDegree, iau, 0.35) << jde;
  }
}

}  // namespace
}  // namespace quendal
