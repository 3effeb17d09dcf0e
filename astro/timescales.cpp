// Time scales; see timescales.h.
#include "astro/timescales.h"

#include <cmath>

#include "astro/data/deltat_data.h"
#include "astro/numeric.h"
#include "calendar/calendar.h"

namespace quendal {

double DeltaT(int year, int month) {
  const double y = year + (month - 0.5) / 12.0;
  for (const DeltaTInterval& iv : DeltaTIntervals) {
    if (year > iv.lastYear) continue;
    const double x = ((iv.integerYear ? static_cast<double>(year) : y) - iv.offset) / iv.scale;
    double sum = 0.0;
    for (int i = iv.terms - 1; i >= 0; --i) sum = sum * x + iv.c[i];
    return sum + iv.extraCoefficient * (iv.extraAnchor - y);
  }
  return 0.0;
}

double DeltaTForJD(double jd) {
  const double mjd = jd - 2400000.5;
  if (std::isnan(mjd)) return 0.0;
  int year, month, day, hour, minute, second;
  if (std::fabs(mjd) < 7.0e8) {
    mjdtodatetime(mjd, year, month, day, hour, minute, second);
  } else {
    // Beyond the calendar's integer day numbers only the year matters (after
    // 2150 or before -500 the month does not enter).
    const double y = 2000.0 + (jd - J2000) / 365.25;
    year = y > 2.0e9 ? 2000000000 : (y < -2.0e9 ? -2000000000 : static_cast<int>(y));
    month = 1;
  }
  return DeltaT(year, month);
}

Instant InstantFromUT(double ut) { return {ut, ut + DeltaTForJD(ut) * DaysPerSecond}; }

Instant InstantFromUT(double ut, double deltaT) { return {ut, ut + deltaT * DaysPerSecond}; }

Instant InstantFromTT(double tt) {
  double ut = tt - DeltaTForJD(tt) / 86400.0;
  ut = tt - DeltaTForJD(ut) / 86400.0;
  return {ut, tt};
}

double MeanSiderealTime(double ut, double longitudeEast) {
  const double d = ut - J2000;
  const double t = d / DaysPerJulianCentury;
  const double theta = 280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0;
  return NormalizeDegrees(theta + longitudeEast) / 15.0;
}

double LocalMeanSiderealTime(double mjd, double longitudeEast) {
  return MeanSiderealTime(mjd + 2400000.5, longitudeEast);
}

}  // namespace quendal
