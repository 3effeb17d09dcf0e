// The engine's fast paths against the direct evaluations they replace:
// SinCos against the library's sine and cosine; the VSOP87D expansion (one
// evaluation, positions at tt + dt from its derivatives) against the series
// evaluated term by term at tt + dt; BodyPosition against
// ReferenceBodyPosition for every body over the years 100..9999: within
// 0.001" in right ascension (as an angle, 15" per second of time) and
// declination and 1e-10 AU in distance; the lunar distance of several
// instants at once against one at a time (bit for bit); the apsis search,
// which decides most of its comparisons from estimates, against the walk
// over exact distances (the same instants, distances and counts).
#include <cmath>
#include <cstdint>
#include <initializer_list>

#include <gtest/gtest.h>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/lunar_events.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/planets.h"
#include "astro/sincos.h"
#include "astro/timescales.h"
#include "astro/vsop87d.h"
#include "calendar/calendar.h"

namespace quendal {
namespace {

constexpr double arcsecond = 1.0 / 3600.0;  // degrees
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

TEST(SinCos, AgreesWithTheLibrary) {
  // Quadrant boundaries, tiny and huge arguments, both signs; one at a time
  // and in batches of odd counts too (SinCosArray, on this processor perhaps
  // its AVX2 build).
  constexpr int batch = 1000;
  double x[batch], sines[batch], cosines[batch], s, c;
  Instants random;
  for (int i = 0; i < 200 * batch; ++i) {
    const double u = (random.next() - jdyear100) / (jdyear9999 - jdyear100);  // 0..1
    const double scale = i % 4 == 0 ? 1e-6 : (i % 4 == 1 ? 4.0 : (i % 4 == 2 ? 3e5 : detail::SinCosLimit));
    x[i % batch] = (2.0 * u - 1.0) * scale + (i % 8 == 0 ? (i % 64) * Pi / 4.0 : 0.0);
    detail::SinCos(x[i % batch], s, c);
    ASSERT_LT(std::fmax(std::fabs(s - std::sin(x[i % batch])), std::fabs(c - std::cos(x[i % batch]))), 4.5e-16) << x[i % batch];
    if (i % batch == batch - 1) {
      const int n = batch - i / batch % 7;
      detail::SinCosArray(x, sines, cosines, n);
      for (int j = 0; j < n; ++j)
        ASSERT_LT(std::fmax(std::fabs(sines[j] - std::sin(x[j])), std::fabs(cosines[j] - std::cos(x[j]))), 4.5e-16) << x[j];
    }
  }
  detail::SinCos(0.0, s, c);
  EXPECT_EQ(s, 0.0);
  EXPECT_EQ(c, 1.0);
}

TEST(Vsop87dExpansion, TaylorStepMatchesTheDirectEvaluation) {
  // Each body at tt - tau for the longest light time it has as a planet (the
  // Earth: from Pluto). What differs is the rounding of the instant tt - tau
  // in the direct evaluation (2e-10 day) and, far from J2000, of the series'
  // arguments, and for the Earth the fourth-order term of its monthly motion
  // about the Earth-Moon barycentre (3e-11 AU at 0.29 day); a lost or wrong
  // derivative shows as 1e-9 and more.
  const double longest[9] = {0.0, 0.0086, 0.0101, 0.29, 0.0156, 0.0374, 0.0642, 0.1222, 0.1810};
  Instants random;
  for (int body = 1; body <= 8; ++body) {
    for (int i = 0; i < 300; ++i) {
      const double tt = random.next();
      const double dt = i % 2 == 0 ? -longest[body] : longest[body];
      const detail::Vsop87dExpansion e = detail::ExpandVsop87d(tt, static_cast<BodyCode>(body));
      ASSERT_EQ(e.status, AstroStatus::Ok);
      const detail::HeliocentricRadians taylor = detail::Vsop87dAt(e, dt);
      const detail::HeliocentricRadians direct = detail::Vsop87dReferenceRadians(tt + dt, static_cast<BodyCode>(body), 0.0);
      EXPECT_NEAR(std::remainder(taylor.l - direct.l, TwoPi), 0.0, 1e-9) << body << " " << tt;
      EXPECT_NEAR(taylor.b, direct.b, 1e-10) << body << " " << tt;
      EXPECT_NEAR(taylor.r, direct.r, 5e-11) << body << " " << tt;
      EXPECT_NEAR(taylor.dl, direct.dl, 1e-9) << body << " " << tt;
      // At dt 0 the expansion is the series itself.
      const detail::HeliocentricRadians here = detail::Vsop87dAt(e, 0.0);
      const detail::HeliocentricRadians reference = detail::Vsop87dReferenceRadians(tt, static_cast<BodyCode>(body), 0.0);
      EXPECT_NEAR(std::remainder(here.l - reference.l, TwoPi), 0.0, 5e-10) << body << " " << tt;
      EXPECT_NEAR(here.r, reference.r, 1e-11) << body << " " << tt;
      EXPECT_NEAR(here.dr, reference.dr, 1e-13) << body << " " << tt;
    }
  }
}

TEST(Vsop87dExpansion, TruncatedSeriesDropTheSameTerms) {
  // With a precision the fast evaluation keeps the terms the direct one
  // keeps: the two agree as closely as with every term.
  Instants random;
  for (double precision : {1e-7, 1e-5, 1e-3}) {
    for (int body = 1; body <= 8; ++body) {
      const double tt = random.next();
      const detail::HeliocentricRadians fast = detail::Vsop87dRadians(tt, static_cast<BodyCode>(body), precision);
      const detail::HeliocentricRadians direct =
          detail::Vsop87dReferenceRadians(tt, static_cast<BodyCode>(body), precision);
      EXPECT_NEAR(std::remainder(fast.l - direct.l, TwoPi), 0.0, 5e-10) << body << " " << precision;
      EXPECT_NEAR(fast.b, direct.b, 1e-10) << body << " " << precision;
      EXPECT_NEAR(fast.r, direct.r, 1e-11) << body << " " << precision;
    }
  }
}

TEST(BodyPosition, FastPathMatchesTheDirectEvaluation) {
  constexpr BodyCode bodies[] = {BodyCode::Sun,     BodyCode::Moon,   BodyCode::Mercury, BodyCode::Venus,
                                 BodyCode::Mars,    BodyCode::Jupiter, BodyCode::Saturn, BodyCode::Uranus,
                                 BodyCode::Neptune, BodyCode::Pluto};
  Instants random;
  for (int i = 0; i < 400; ++i) {
    const InstantFrame frame = FrameAt(InstantFromTT(random.next()));
    for (BodyCode body : bodies)
      for (bool lightTime : {true, false}) {
        const ApparentPlace fast = BodyPosition(frame, body, lightTime), direct = ReferenceBodyPosition(frame, body, lightTime);
        ASSERT_EQ(fast.status, direct.status);
        if (!HasValue(direct.status)) continue;
        const int code = static_cast<int>(body);
        EXPECT_NEAR(std::remainder(fast.ra - direct.ra, 24.0) * 15.0, 0.0, 0.001 * arcsecond) << code << " " << frame.instant.tt;
        EXPECT_NEAR(fast.dec - direct.dec, 0.0, 0.001 * arcsecond) << code << " " << frame.instant.tt;
        EXPECT_NEAR(std::remainder(fast.lambda - direct.lambda, 360.0), 0.0, 0.001 * arcsecond) << code;
        EXPECT_NEAR(fast.beta - direct.beta, 0.0, 0.001 * arcsecond) << code;
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

TEST(MoonDistances, SeveralInstantsAsOneAtATime) {
  // Moshier's series and the classical theory beyond it, batches of every
  // size: the same numbers as MoonPosition, to the last bit.
  Instants random;
  for (int count = 1; count <= 16; ++count) {
    double tt[16], distance[16];
    for (int i = 0; i < count; ++i) tt[i] = i % 5 == 4 ? random.next() : 2460000.5 + 0.37 * i + count;
    detail::MoonDistances(tt, count, distance);
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(distance[i], MoonPosition(tt[i]).distance) << count << " " << tt[i];
      EXPECT_EQ(detail::MoonDistance(tt[i]), distance[i]);
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
