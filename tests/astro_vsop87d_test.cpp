// Heliocentric positions: VSOP87D series, Pluto orbit model (against an
// independent ephemeris), the dispatch between them; the engine's fast paths
// against the direct evaluations they replace, as far as a user could see a
// difference: BodyPosition (the VSOP87D expansion with its Taylor step for
// the light time) against ReferenceBodyPosition (the series term by term)
// for every body over the years 100..9999, the apsis search (estimates,
// lunar distances of several instants at once) against the walk over exact
// distances one at a time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <tuple>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/lunar_events.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/planets.h"
#include "astro/pluto.h"
#include "astro/timescales.h"
#include "astro/vsop87d.h"
#include "calendar/calendar.h"
#include "support.h"

namespace quendal {
namespace {

constexpr double arcsecond = RadiansPerDegree / 3600.0;

double AngleDifference(double a, double b) { return std::remainder(a - b, TwoPi); }

// A state with l, b and their rates in radians, as the theory's authors print them.
HeliocentricState InRadians(HeliocentricState s) {
  s.l *= RadiansPerDegree, s.b *= RadiansPerDegree, s.dl *= RadiansPerDegree, s.db *= RadiansPerDegree;
  return s;
}
HeliocentricState Vsop(double jd, int body, double precision = 0.0) {
  return InRadians(Vsop87dSeries(jd, static_cast<BodyCode>(body), precision));
}
HeliocentricState Planet(double jd, int body, double precision = 0.0) {
  return InRadians(PlanetHeliocentric(jd, static_cast<BodyCode>(body), precision));
}
HeliocentricState Pluto(double jd) { return InRadians(PlutoHeliocentric(jd)); }
constexpr int BodyEarth = 3, BodyVenus = 2, BodyPluto = 9;

TEST(Vsop87dSeries, TruncatedSeriesFollowTheCompleteTheory) {
  // The stored leading terms stay within an arcsecond of the complete series
  // (the authors' check values, tests/data/vsop87d_check.txt) from 1100 to
  // 2000 (FK5 step included, about 0.1").
  for (const auto& c : testsupport::table("vsop87d_check.txt")) {
    const int body = static_cast<int>(c[0]);
    const HeliocentricState s = Vsop(c[1], body, 0.0);
    EXPECT_LT(std::fabs(AngleDifference(s.l, c[2])), 1.0 * arcsecond) << body << " " << c[1];
    EXPECT_LT(std::fabs(s.b - c[3]), 1.0 * arcsecond) << body << " " << c[1];
    EXPECT_LT(std::fabs(s.r - c[4]) / c[4], 1.0 * arcsecond) << body << " " << c[1];
    EXPECT_LT(std::fabs(s.dl - c[5]), 0.1 * arcsecond) << body << " " << c[1];
    EXPECT_LT(std::fabs(s.db - c[6]), 0.1 * arcsecond) << body << " " << c[1];
    EXPECT_LT(std::fabs(s.dr - c[7]), 3e-7) << body << " " << c[1];
  }
}

TEST(Vsop87dSeries, MeeusExample32a) {
  // Venus, 1992 December 20, 0h TD: L = 26.11428 deg, B = -2.62070 deg,
  // R = 0.724603 AU (Meeus' own abridged series, without the FK5 step).
  const HeliocentricState s = Vsop(2448976.5, BodyVenus, 0.0);
  EXPECT_NEAR(s.l * DegreesPerRadian, 26.11428, 0.0003);
  EXPECT_NEAR(s.b * DegreesPerRadian, -2.62070, 0.0003);
  EXPECT_NEAR(s.r, 0.724603, 0.000003);
}

TEST(Vsop87dSeries, PrecisionDropsSmallTermsOnly) {
  // A coarser precision leaves out small terms (and the FK5 step); the result
  // stays within a few times the requested precision of the full series.
  for (double precision : {1e-6, 1e-5, 1e-4, 1e-3}) {
    for (int body = 1; body <= 8; ++body) {
      for (double jd : {2415020.5, 2451545.0, 2460000.5, 2488070.0}) {
        const HeliocentricState full = Vsop(jd, body, 0.0), coarse = Vsop(jd, body, precision);
        EXPECT_LT(std::fabs(AngleDifference(coarse.l, full.l)), 10 * precision) << body << " " << jd;
        EXPECT_LT(std::fabs(coarse.b - full.b), 10 * precision) << body << " " << jd;
        EXPECT_LT(std::fabs(coarse.r - full.r), 10 * precision * full.r) << body << " " << jd;
      }
    }
  }
  // At 5e-7 and above the FK5 step is left out: -0.09" in longitude at most.
  EXPECT_NEAR((Vsop(2451545.0, BodyEarth, 0.0).l - Vsop(2451545.0, BodyEarth, 5e-7).l) / arcsecond, -0.09033, 0.02);
}

TEST(PlutoHeliocentric, MeeusExample37a) {
  // 1992 October 13.0 TD: l = 232.74071 deg, b = 14.58782 deg, r = 29.711111 AU
  // on the ecliptic and equinox J2000.0 (Meeus' 43-term theory). Our place is
  // of date: 7.2 years of general precession (-362.3") earlier.
  const HeliocentricState s = Pluto(2448908.5);
  EXPECT_NEAR(s.l * DegreesPerRadian + 362.3 / 3600.0, 232.74071, 0.003);
  EXPECT_NEAR(s.b * DegreesPerRadian, 14.58782, 0.003);
  EXPECT_NEAR(s.r, 29.711111, 0.001);
}

TEST(PlutoHeliocentric, RatesAndContinuity) {
  // The forward one-day rate predicts the next day; no jumps day by day over
  // three centuries (through the wrap of the longitude at 0).
  HeliocentricState previous = Pluto(2378495.0);
  for (double jd = 2378495.0 + 37.0; jd < 2488070.0; jd += 37.0) {
    const HeliocentricState s = Pluto(jd);
    EXPECT_GT(s.dl, 0.0);
    EXPECT_LT(s.dl, 0.0005);
    EXPECT_LT(std::fabs(AngleDifference(s.l, previous.l) - 37.0 * s.dl), 0.01 * RadiansPerDegree) << jd;
    EXPECT_LT(std::fabs(s.r - previous.r), 37.0 * 0.001);
    const HeliocentricState next = Pluto(jd + 1.0);
    EXPECT_NEAR(AngleDifference(next.l, s.l), s.dl, 1e-12);
    EXPECT_NEAR(next.r - s.r, s.dr, 1e-12);
    previous = s;
  }
}

// The planets by VSOP87D, Pluto by its orbit model, with the precision asked.
TEST(PlanetHeliocentric, Dispatches) {
  for (int body = 1; body <= 8; ++body) EXPECT_EQ(Planet(2455000.25, body).l, Vsop(2455000.25, body).l) << body;
  EXPECT_EQ(Planet(2455000.25, BodyPluto).l, Pluto(2455000.25).l);
  EXPECT_NE(PlanetHeliocentric(2460123.375, BodyCode::Saturn, 1e-4).l,
            PlanetHeliocentric(2460123.375, BodyCode::Saturn).l);
}

// Twelve thousand years from its epoch Pluto's element polynomials give an
// eccentricity below 0: a failure, not a position of NaNs.
// Within 1000..3000 the model counts as fitted; outside it gives its values
// marked OutOfRange.
TEST(PlutoHeliocentric, FailsWhereTheElementsLeaveTheEllipse) {
  HeliocentricState state = PlutoHeliocentric(2451545.0 - 12000.0 * 365.25);
  EXPECT_EQ(state.status, AstroStatus::KeplerFailed);
  EXPECT_EQ(state.r, 0.0);
  state = PlutoHeliocentric(2451545.0 + 8000.0 * 365.25);
  EXPECT_EQ(state.status, AstroStatus::OutOfRange);
  EXPECT_TRUE(std::isfinite(state.r) && state.r > 20.0);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedFirst).status, AstroStatus::Ok);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedLast).status, AstroStatus::Ok);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedFirst - 1.0).status, AstroStatus::OutOfRange);
  EXPECT_EQ(PlutoHeliocentric(PlutoFittedLast + 1.0).status, AstroStatus::OutOfRange);
}

// Pluto's apparent place against Chapront's theory of 1995 as computed by an
// independent program (tests/data/pluto_pyephem.txt, made by
// tools/gen_pluto_reference.py): within 10" from 1885 to 2099. The J2000.0
// positions of the model are carried to the date by the rigorous precession
// of the ecliptic; with the general precession in longitude alone (the
// ecliptic's own motion neglected) the error grows to 50".
TEST(PlutoHeliocentric, AgreesWithAnIndependentEphemeris) {
  const auto rows = testsupport::table("pluto_pyephem.txt");
  double worst = 0.0;
  for (const auto& r : rows) {
    const ApparentPlace p = BodyPosition(FrameAt(InstantFromTT(r[0])), BodyCode::Pluto);
    ASSERT_EQ(p.status, AstroStatus::Ok);
    worst = std::fmax(worst, testsupport::separation(p.ra, p.dec, r[1], r[2]) * 3600.0);
  }
  EXPECT_GT(rows.size(), 600u);
  EXPECT_LT(worst, 10.0);
}

const double jdyear100 = datetojd(100, 1, 1);  // Julian calendar
const double jdyear9999 = datetojd(9999, 12, 31);

// Instants spread over the years 100..9999 without a pattern that could
// follow a period of a series (a fixed linear congruential sequence).
struct Instants {
  std::uint64_t state = 12345;
  double next() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return jdyear100 + (jdyear9999 - jdyear100) * static_cast<double>(state >> 11) * 0x1.0p-53;
  }
};

TEST(BodyPosition, FastPathMatchesTheDirectEvaluation) {
  constexpr BodyCode bodies[] = {BodyCode::Sun,     BodyCode::Moon,    BodyCode::Mercury, BodyCode::Venus,
                                 BodyCode::Mars,    BodyCode::Jupiter, BodyCode::Saturn,  BodyCode::Uranus,
                                 BodyCode::Neptune, BodyCode::Pluto};
  Instants random;
  for (int i = 0; i < 400; ++i) {
    const InstantFrame frame = FrameAt(InstantFromTT(random.next()));
    for (BodyCode body : bodies)
      for (bool lightTime : {true, false}) {
        const ApparentPlace fast = BodyPosition(frame, body, lightTime),
                            direct = ReferenceBodyPosition(frame, body, lightTime);
        ASSERT_EQ(fast.status, direct.status);
        if (!HasValue(direct.status)) continue;
        const int code = static_cast<int>(body);
        EXPECT_NEAR(std::remainder(fast.ra - direct.ra, 24.0) * 15.0, 0.0, 0.001 / 3600.0)
            << code << " " << frame.instant.tt;
        EXPECT_NEAR(fast.dec - direct.dec, 0.0, 0.001 / 3600.0) << code << " " << frame.instant.tt;
        EXPECT_NEAR(std::remainder(fast.lambda - direct.lambda, 360.0), 0.0, 0.001 / 3600.0) << code;
        EXPECT_NEAR(fast.beta - direct.beta, 0.0, 0.001 / 3600.0) << code;
        EXPECT_NEAR(fast.distance, direct.distance, 1e-10) << code << " " << frame.instant.tt;
        EXPECT_NEAR(fast.elongation, direct.elongation, 1e-6) << code;
        EXPECT_NEAR(fast.illuminated, direct.illuminated, 1e-6) << code;
        EXPECT_NEAR(fast.magnitude, direct.magnitude, 1e-9) << code;
        EXPECT_NEAR(fast.diameter, direct.diameter, 1e-9 * direct.diameter) << code;
        EXPECT_NEAR(std::remainder(fast.heliocentric.l - direct.heliocentric.l, 360.0), 0.0, 1e-7) << code;
        EXPECT_NEAR(fast.heliocentric.r, direct.heliocentric.r, 1e-10) << code;
      }
  }
}

// The apsis walk as ApsisSearch states it, over MoonPosition's distances.
double ApsisWalkOverExactDistances(double start, double& distance, int& evaluations, int mode) {
  const bool apogee = mode > 0;
  const auto d = [](double tt) { return MoonPosition(tt).distance * KilometresPerAU; };
  double x = start + DeltaTForJD(start) / 86400.0;
  double step = 1.0, best = 0.0, bestjd = x;
  int count = 0;
  for (int pass = 0; pass < 12; ++pass) {
    if (pass > 0) {
      x = bestjd - step;
      step /= 2.0;
    }
    double current = d(x);
    ++count;
    if (pass == 0) best = current;
    for (int i = 0; i < (pass == 0 ? 27 : 9); ++i) {
      if (apogee ? current > best : current < best) {
        best = current;
        bestjd = x;
      }
      x += step;
      const double next = d(x);
      ++count;
      if (apogee ? next + 10000.0 < current : next - 10000.0 > current) break;
      current = next;
    }
  }
  distance = best;
  evaluations = count;
  return bestjd - DeltaTForJD(bestjd) / 86400.0;
}

TEST(ApsisSearch, SameAsTheWalkOverExactDistances) {
  // Starts over -1369..9999, inside Moshier's span and beyond, apogee and
  // perigee; then the searches of NextApsis from each result on (as the
  // events command makes them).
  Instants random;
  for (int i = 0; i < 60; ++i) {
    const double start = i < 50 ? random.next() : 2460000.5 + 3.3 * i;
    for (int mode : {1, -1}) {
      double fast, slow;
      int fastcount, slowcount;
      const double found = ApsisSearch(start, fast, fastcount, mode);
      EXPECT_EQ(found, ApsisWalkOverExactDistances(start, slow, slowcount, mode)) << start << " " << mode;
      EXPECT_EQ(fast, slow) << start << " " << mode;
      EXPECT_EQ(fastcount, slowcount);
      // NextApsis: restarts 10 days later while the result lies before jd.
      const double jd = found + 11.0;
      double next = 0.0, km = 0.0;
      int total = 0;
      for (double s = jd - 10.0;; s += 10.0) {
        int count;
        next = ApsisWalkOverExactDistances(s, km, count, mode);
        total += count;
        if (next >= jd || s > jd + 110.0) break;
      }
      int nextcount;
      double nextkm;
      EXPECT_EQ(NextApsis(jd, nextkm, nextcount, mode), next) << jd << " " << mode;
      EXPECT_EQ(nextkm, km);
      EXPECT_EQ(nextcount, total);
    }
  }
}

}  // namespace
}  // namespace quendal
