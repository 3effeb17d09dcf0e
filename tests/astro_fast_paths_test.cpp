// The engine's fast paths against the direct evaluations they replace, as
// far as a user could see a difference: BodyPosition (the VSOP87D expansion with its Taylor step for
// the light time) against ReferenceBodyPosition (the series term by term)
// for every body over the years 100..9999: within 0.001" in right ascension
// (as an angle) and declination and 1e-10 AU in distance; the apsis search,
// which decides most of its comparisons from estimates and takes the lunar
// distances of several instants at once, against the walk over exact
// distances one at a time (the same instants, distances and counts).
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
