// Equinoxes and solstices; see seasons.h.
#include "astro/seasons.h"

#include <cmath>

#include "astro/apparent.h"
#include "astro/data/lunar_event_tables.h"
#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

using namespace eventdata;

namespace {

// The instant (JDE) near jde at which the Sun's apparent geocentric longitude
// reaches 90 (season - 1) degrees, by Meeus' iteration (ch. 27): jde += 58
// sin(target - lambda) days, lambda from the VSOP87D Earth.
double refineseason(double jde, int season) {
  const double target = 90.0 * (season - 1);
  for (int i = 0; i < 8; ++i) {
    const ApparentPlace sun = BodyPosition(FrameAt(InstantFromTT(jde)), BodyCode::Sun);
    const double correction = 58.0 * SinDeg(target - sun.lambda);
    jde += correction;
    if (std::fabs(correction) < 1e-6) break;  // 0.1 s
  }
  return jde;
}

}  // namespace

double SeasonBegin(int year, int season) {
  if (season < 1 || season > 4) return 0.0;
  const double y = (year - 2000) / 1000.0;
  const double* c = seasonMean[season - 1];
  const double jde0 = c[0] + y * (c[1] + y * (c[2] + y * (c[3] + y * c[4])));
  const double t = (jde0 - J2000) / DaysPerJulianCentury;
  const SeasonConstants& k = seasonConstants;
  const double w = NormalizeDegrees(k.wT * t + k.w0) * RadiansPerDegree;
  const double dlambda = 1.0 + k.dl1 * std::cos(w) + k.dl2 * std::cos(2.0 * w);
  double s = 0.0;
  for (const SeasonTerm& term : seasonTerms) s += term.a * CosDeg(term.b + term.c * t);
  double jde = jde0 + k.scale * s / dlambda;
  // The mean instants of the table are polynomials fitted to the years
  // 1000..3000; far outside them they drift by hours (a day by 9999), so
  // there the instant is taken from the apparent Sun itself.
  if (year < 1000 || year > 3000) jde = refineseason(jde, season);
  return jde - DeltaTForJD(jde) * DaysPerSecond;
}

}  // namespace quendal
