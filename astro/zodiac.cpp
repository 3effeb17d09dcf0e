// Zodiac constellation of an ecliptic place; see zodiac.h.
#include "astro/zodiac.h"

#include "astro/numeric.h"
#include "astro/precession.h"

namespace quendal {
namespace {

// Upper boundary (degrees on the ecliptic of J2000.0, inclusive) of each
// interval and its constellation.
struct ZodiacInterval {
  double upper;
  int index;
};
constexpr ZodiacInterval zodiacintervals[] = {
    {28.8, 12}, {53.5, 1},  {90.2, 2},   {118.1, 3}, {138.2, 4},  {173.9, 5},  {218.0, 6},
    {241.0, 7}, {247.7, 8}, {266.3, 13}, {299.7, 9}, {327.6, 10}, {351.6, 11}, {360.0, 12},
};

}  // namespace

int ZodiacConstellation(double lambda, double beta, double tt) {
  const double l = EclipticOfJ2000(NormalizeDegrees(lambda), beta, tt).longitude;
  for (const ZodiacInterval& interval : zodiacintervals)
    if (l <= interval.upper) return interval.index;
  return 12;  // not a number
}

}  // namespace quendal
