// Nutation, obliquity and sidereal time against ERFA.
#include <cmath>

#include <gtest/gtest.h>

#include "astro/numeric.h"
#include "astro/frame.h"
#include "astro/nutation.h"
#include "astro/timescales.h"
#include "support.h"

namespace quendal {
namespace {

constexpr double ArcsecPerDegree = 3600.0;

// Nutation (IAU 1980), mean obliquity, mean sidereal time (IAU 1982) and the
// equation of the equinoxes against ERFA over 1900..2100, and Laskar's
// obliquity against the IAU 1976 one over 1000..3000 (tests/data/earth_erfa.txt,
// tools/gen_erfa_reference.py).
TEST(Nutation, AgreesWithErfa) {
  for (const auto& r : testsupport::table("earth_erfa.txt", 0)) {
    const double jd = r[0];
    const NutationAngles n = Nutation(jd);
    ASSERT_NEAR(n.longitude * ArcsecPerDegree, r[1], 0.0005) << jd;
    ASSERT_NEAR(n.obliquity * ArcsecPerDegree, r[2], 0.0005) << jd;
    ASSERT_NEAR(MeanObliquity(jd) * ArcsecPerDegree, r[3], 0.01) << jd;
    ASSERT_NEAR(std::remainder(MeanSiderealTime(jd, 0.0) - r[4], 24.0) * 3600.0, 0.0, 0.001) << jd;
    const InstantFrame f = FrameAt(InstantFromUT(jd));
    ASSERT_NEAR(std::remainder(f.apparentSiderealTime - f.meanSiderealTime, 24.0) * 3600.0, r[5], 0.001) << jd;
  }
  for (const auto& r : testsupport::table("earth_erfa.txt", 1))
    EXPECT_NEAR(MeanObliquity(r[0]) * ArcsecPerDegree, r[1], 0.35) << r[0];
}

}  // namespace
}  // namespace quendal
