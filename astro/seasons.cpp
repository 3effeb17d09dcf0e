// Equinoxes and solstices; see seasons.h.
#include "astro/seasons.h"

#include <cmath>

#include "astro/data/lunar_event_tables.h"
#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

using namespace eventdata;

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
  const double jde = jde0 + k.scale * s / dlambda;
  return jde - DeltaTForJD(jde) * DaysPerSecond;
}

}  // namespace quendal
