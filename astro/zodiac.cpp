// Zodiac constellation of an ecliptic longitude.
#include "astro/zodiac.h"

#include "astro/numeric.h"

namespace quendal {
namespace {

// Upper boundary (degrees, inclusive) of each interval and its constellation.
struct ZodiacInterval {
  double upper;
  int index;
};
constexpr ZodiacInterval zodiacintervals[] = {
    {28.8, 12},  {53.5, 1},   {90.2, 2},   {118.1, 3},  {138.2, 4},
    {173.9, 5},  {218.0, 6},  {241.0, 7},  {247.7, 8},  {266.3, 13},
    {299.7, 9},  {327.6, 10}, {351.6, 11}, {360.0, 12},
};

}  // namespace

int ZodiacConstellation(double lambda) {
  const double l = NormalizeDegrees(lambda);
  for (const ZodiacInterval& interval : zodiacintervals)
    if (l <= interval.upper) return interval.index;
  return 12;  // not a number
}

}  // namespace quendal
