// Low-precision Sun and equation of time: Meeus' worked examples 25.a and
// 28.b, PyEphem, the graph row, turning values (the year's turning points
// against a scan: reports_eot_test).
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "astro/numeric.h"
#include "astro/nutation.h"
#include "astro/sun.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "support.h"

namespace quendal {
namespace {

TEST(LowPrecisionSun, MeeusExample25a) {
  // 1992 October 13.0 TD: apparent RA 13h13m31.4s, declination -7d47'01".
  double ra, dec;
  LowPrecisionSun((2448908.5 - 2451545.0) / 36525.0, ra, dec);
  EXPECT_NEAR(ra, 13.0 + 13.0 / 60 + 31.4 / 3600, 1.0 / 3600);
  EXPECT_NEAR(dec, -(7.0 + 47.0 / 60 + 1.0 / 3600), 10.0 / 3600);
}

// Against the equation of time of PyEphem's Sun and ERFA's sidereal time
// (tests/data/events_pyephem.txt, tools/gen_ephem_reference.py): Smart's
// formula is good to 5 seconds over 1900..2100.
TEST(EquationOfTime, AgreesWithPyEphemOverTwoCenturies) {
  double worst = 0.0;
  for (const auto& r : testsupport::table("events_pyephem.txt", 20))
    worst = std::fmax(worst, std::fabs(EquationOfTime(r[0]) - r[1]));
  EXPECT_LT(worst, 5.0 / 60);
}

// The graph row of the equation of time E on a plot h pixels high: the
// nearest to h/2 - h E / 42 (E > 0 above the centre line), within 0..h; at a
// zero crossing the centre, h/2 truncated, with no jump either side.
TEST(EquationOfTimeRow, MapsPlusMinus21MinutesOntoTheNearestRow) {
  double e, value;
  int evaluations = 0;
  const double zero = EquationOfTimeExtremum(datetojd(2024, 4, 5), value, evaluations, 0);
  EXPECT_EQ(EquationOfTimeRow(zero, 300, e), 150);
  for (double dt = -0.5; dt <= 0.5; dt += 0.01) EXPECT_NEAR(EquationOfTimeRow(zero + dt, 300, e), 150.0, 1.0) << dt;
  for (int h : {0, 1, 2, 10, 420})
    for (double jd = datetojd(2024, 1, 1); jd < datetojd(2025, 1, 1); jd += 0.25) {
      const int row = EquationOfTimeRow(jd, h, e);
      EXPECT_LE(std::fabs(row - std::clamp(h / 2.0 - h * e / 42.0, 0.0, double(h))), 0.501) << h << " " << jd;
    }
  EXPECT_LT(EquationOfTimeRow(datetojd(2024, 11, 3), 420, e), 210);
  EXPECT_GT(EquationOfTimeRow(datetojd(2024, 2, 11), 420, e), 210);
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
