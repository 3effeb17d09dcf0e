// Rise, set and twilight; see riseset.h.
#include "astro/riseset.h"

#include <algorithm>
#include <cmath>

#include "astro/apparent.h"
#include "astro/heliocentric.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/sun.h"
#include "astro/timescales.h"

namespace quendal {

void HorizontalFromEquatorial(double rightAscension, double declination, double siderealTime,
                              double latitude, double& azimuth, double& altitude) {
  const double h = (siderealTime - rightAscension) * 15.0 * RadiansPerDegree;
  const double d = declination * RadiansPerDegree, phi = latitude * RadiansPerDegree;
  const double sind = std::sin(d), cosd = std::cos(d);
  const double sinphi = std::sin(phi), cosphi = std::cos(phi);
  altitude = SafeAsin(sind * sinphi + cosd * cosphi * std::cos(h)) * DegreesPerRadian;
  azimuth = NormalizeRadians(SafeAtan2(-cosd * std::sin(h), sind * cosphi - cosd * std::cos(h) * sinphi)) *
            DegreesPerRadian;
  if (azimuth >= 360.0) azimuth = 0.0;
}

int QuadraticInterpolation(double yMinus, double y0, double yPlus, double& xExtremum,
                           double& yExtremum, double& root1, double& root2) {
  const double a = (yPlus + yMinus) / 2.0 - y0;
  const double b = (yPlus - yMinus) / 2.0;
  const double c = y0;
  if (a == 0.0) {
    // A straight line: no vertex, at most one root.
    xExtremum = 0.0;
    yExtremum = c;
    if (b == 0.0) return 0;
    root1 = root2 = -c / b;
    return std::fabs(root1) <= 1.0 ? 1 : 0;
  }
  xExtremum = -b / (2.0 * a);
  yExtremum = (a * xExtremum + b) * xExtremum + c;
  const double discriminant = b * b - 4.0 * a * c;
  if (discriminant < 0.0) return 0;
  const double dx = SafeSqrt(discriminant) / (2.0 * std::fabs(a));
  root1 = xExtremum - dx;
  root2 = xExtremum + dx;
  int count = 0;
  if (std::fabs(root1) <= 1.0) ++count;
  if (std::fabs(root2) <= 1.0) ++count;
  if (root1 < -1.0) root1 = root2;
  return count;
}

namespace {

// h0 of an event code (degrees); false for an unknown code.
bool referencealtitude(int code, double individual, double& h0) {
  switch (code) {
    case IndividualTwilight: h0 = individual; return true;
    case AstronomicalTwilight: h0 = -18.0; return true;
    case NauticalTwilight: h0 = -12.0; return true;
    case CivilTwilight: h0 = -6.0; return true;
    case SunRiseSet: h0 = -50.0 / 60.0; return true;
    case MoonRiseSet: h0 = 8.0 / 60.0; return true;
    default:
      if (code >= 11 && code <= 19 && code != 10 + BodyEarth) {
        h0 = -34.0 / 60.0;
        return true;
      }
      return false;
  }
}

// The altitude of one body at one place and day, as a function of the hour.
struct DayAltitude {
  int code;
  double mjd0, longitudeWest, latitude;
  int mode;
  double diameter = 0.0;  // of the last evaluation

  double operator()(double hour) {
    double azimuth;
    return BodyAltitude(code, mjd0, hour, longitudeWest, latitude, diameter, azimuth, mode);
  }
};

// The instant where |altitude - h0| is least, near a scanned event.
double refine(DayAltitude& altitude, double h0, double event) {
  double t = event - 1.0 / 12.0, step = 0.025;
  double best = t, bestvalue = 0.0;
  for (int pass = 0; pass < 9; ++pass) {
    if (pass > 0) {
      t = best - step;
      step /= 2.0;
    }
    double current = std::fabs(altitude(t) - h0);
    for (int n = 1;; ++n) {
      if (pass == 0 && n == 1) bestvalue = current;
      if (current < bestvalue) {
        bestvalue = current;
        best = t;
      }
      if (n == 10) break;
      t += step;
      const double next = std::fabs(altitude(t) - h0);
      if (next > current) break;
      current = next;
    }
  }
  return best;
}

// The greatest of the altitude's maxima on [a, b] by golden-section search
// (the altitude is unimodal there), with its instant.
double goldenmaximum(DayAltitude& altitude, double a, double b, int iterations, double& value) {
  constexpr double ratio = 0.6180339887498949;
  double c = b - ratio * (b - a), d = a + ratio * (b - a);
  double fc = altitude(c), fd = altitude(d);
  for (int i = 0; i < iterations; ++i) {
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = altitude(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = altitude(d);
    }
  }
  const double t = 0.5 * (a + b);
  value = altitude(t);
  return t;
}

// The upper culmination inside the local day: a maximum of the altitude at an
// instant of (0, 24) h, found from an hourly scan of the whole day and refined
// by golden-section search; of two (a planet whose transit comes a few
// minutes earlier each day), the higher. False when the day has none (the
// Moon's transit comes about 50 minutes later each day and skips one day a
// month): then `highest` is the greater altitude of the day's two ends,
// where the greatest altitude of such a day lies.
bool culminate(DayAltitude& altitude, int iterations, double& when, double& highest) {
  double v[25];
  for (int hour = 0; hour <= 24; ++hour) v[hour] = altitude(hour);
  constexpr double edge = 1.0 / 60.0;  // a maximum within a minute of midnight counts as none
  bool found = false;
  double best = 0.0, bestvalue = 0.0;
  const auto bracket = [&](double a, double b) {
    double value;
    const double t = goldenmaximum(altitude, a, b, iterations, value);
    if (t > edge && t < 24.0 - edge && (!found || value > bestvalue)) {
      found = true;
      best = t;
      bestvalue = value;
    }
  };
  for (int hour = 1; hour <= 23; ++hour)
    if (v[hour] >= v[hour - 1] && v[hour] >= v[hour + 1]) bracket(hour - 1, hour + 1);
  // A maximum between the first or the last two samples that the hourly
  // values do not show: the altitude still rises after midnight (or already
  // falls before the next one) although the neighbouring hour lies lower.
  if (v[1] < v[0] && altitude(edge) > v[0]) bracket(0.0, 1.0);
  if (v[23] < v[24] && altitude(24.0 - edge) > v[24]) bracket(23.0, 24.0);
  if (found) {
    when = best;
    highest = altitude(best);  // also leaves the diameter of that instant
  } else {
    when = NoCulmination;
    highest = std::max(v[0], v[24]);
  }
  return found;
}

}  // namespace

double BodyAltitude(int code, double mjd0, double hour, double longitudeWest, double latitude,
                    double& diameter, double& azimuth, int mode) {
  const double mjd = mjd0 + hour / 24.0;
  const double t = (mjd - 51544.5) / DaysPerJulianCentury;
  const double lst = LocalMeanSiderealTime(mjd, longitudeWest);
  double ra = 0.0, dec = 0.0;
  if (code > 10 || mode % 2 != 0 || std::fabs(t) > LowPrecisionCenturies) {
    const double jd = mjd + 2400000.5;
    const double jde = jd + DeltaTForJD(jd) * DaysPerSecond;
    const int body = code > 10 ? code - 10 : (code == MoonRiseSet ? BodyMoon : BodySun);
    double distance, elongation, illuminated, magnitude, lambda, beta;
    BodyPosition(jde, body, ra, dec, distance, elongation, illuminated, magnitude, diameter, lambda,
                 beta, 1);
  } else {
    if (code == MoonRiseSet)
      LowPrecisionMoon(t, ra, dec);
    else
      LowPrecisionSun(t, ra, dec);
    diameter = 1873.7;
  }
  double az, altitude;
  HorizontalFromEquatorial(ra, dec, lst, latitude, az, altitude);
  azimuth = NormalizeDegrees(az + 180.0);
  return altitude;
}

int DayEvents(int mjd, double zone, double longitudeWest, double latitude, int code, double& rise,
              double& set, double& culmination, double& altitude, int mode) {
  double h0;
  if (!referencealtitude(code, altitude, h0)) return 0;
  DayAltitude f{code, mjd - zone / 24.0, longitudeWest, latitude, mode};
  culmination = 0.0;
  altitude = 0.0;

  // Hourly scan, a parabola through every three hours.
  double yminus = f(0.0) - h0;
  const bool above = yminus > 0.0;
  bool risefound = false, setfound = false;
  double t = 1.0;
  for (int i = 0; i < 12 && !(risefound && setfound); ++i) {
    const double y0 = f(t) - h0, yplus = f(t + 1.0) - h0;
    double xe, ye, root1, root2;
    const int roots = QuadraticInterpolation(yminus, y0, yplus, xe, ye, root1, root2);
    // A day can hold two rises or two sets (near the polar circles): the
    // first of each is kept.
    if (roots == 1) {
      if (yminus < 0.0) {
        if (!risefound) rise = t + root1;
        risefound = true;
      } else {
        if (!setfound) set = t + root1;
        setfound = true;
      }
    } else if (roots == 2) {
      if (!risefound) rise = t + (ye < 0.0 ? root2 : root1);
      if (!setfound) set = t + (ye < 0.0 ? root1 : root2);
      risefound = setfound = true;
    }
    yminus = yplus;
    t += 2.0;
  }

  if (mode >= 20) {
    if (risefound && rise > 0.1 && rise < 23.9) rise = refine(f, h0, rise);
    if (setfound && set > 0.1 && set < 23.9) set = refine(f, h0, set);
  }

  if (mode >= 10 && code >= 0) {
    double when, highest;
    culminate(f, mode >= 20 ? 26 : 18, when, highest);
    culmination = when;
    altitude = code == MoonRiseSet ? highest - f.diameter / 3600.0 : highest;
  }
  return (risefound ? RiseFound : 0) | (setfound ? SetFound : 0) | (above ? AboveAtMidnight : 0);
}

}  // namespace quendal
