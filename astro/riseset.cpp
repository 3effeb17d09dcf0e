// Rise, set and twilight; see riseset.h.
#include "astro/riseset.h"

#include <algorithm>
#include <cmath>

#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/sun.h"
#include "astro/timescales.h"

namespace quendal {

HorizontalPlace HorizontalFromEquatorial(double rightAscension, double declination, double siderealTime,
                                         double latitude) {
  const double h = (siderealTime - rightAscension) * 15.0 * RadiansPerDegree;
  const double d = declination * RadiansPerDegree, phi = latitude * RadiansPerDegree;
  const double sind = std::sin(d), cosd = std::cos(d);
  const double sinphi = std::sin(phi), cosphi = std::cos(phi);
  HorizontalPlace p;
  p.altitude = SafeAsin(sind * sinphi + cosd * cosphi * std::cos(h)) * DegreesPerRadian;
  p.azimuth =
      NormalizeRadians(SafeAtan2(-cosd * std::sin(h), sind * cosphi - cosd * std::cos(h) * sinphi)) * DegreesPerRadian;
  if (p.azimuth >= 360.0) p.azimuth = 0.0;
  return p;
}

int QuadraticInterpolation(double yMinus, double y0, double yPlus, double& xExtremum, double& yExtremum, double& root1,
                           double& root2) {
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

// h0 of an event (degrees); false when the body has no such event.
bool referencealtitude(BodyCode body, const HorizonEvent& event, double& h0) {
  if (event.kind != HorizonEvent::RiseSet) {
    if (body != BodyCode::Sun) return false;
    switch (event.kind) {
      case HorizonEvent::CivilTwilight:
        h0 = -6.0;
        return true;
      case HorizonEvent::NauticalTwilight:
        h0 = -12.0;
        return true;
      case HorizonEvent::AstronomicalTwilight:
        h0 = -18.0;
        return true;
      default:
        h0 = event.altitude;
        return true;
    }
  }
  if (body == BodyCode::Sun)
    h0 = -50.0 / 60.0;
  else if (body == BodyCode::Moon)
    h0 = 8.0 / 60.0;
  else if (IsPlanet(body) && body != BodyCode::Earth)
    h0 = -34.0 / 60.0;
  else
    return false;
  return true;
}

// The altitude of one body at one place and day, as a function of the hour.
// The searches come back to instants they have seen (the culmination scan
// to the hours of the rise and set scan, each halving pass of a walk to an
// instant of the pass before): a memo of the 25 whole hours and of the last
// few other instants answers those without a new position.
class DayAltitude {
 public:
  DayAltitude(BodyCode body, double mjd0, double longitudeEast, double latitude, bool fullPrecision)
      : body_(body), mjd0_(mjd0), longitude_(longitudeEast), latitude_(latitude), full_(fullPrecision) {}

  double operator()(double hour) {
    const Entry* e = find(hour);
    if (e == nullptr) e = &remember(hour);
    diameter = e->diameter;
    return e->altitude;
  }

  double diameter = 0.0;  // of the last instant asked

 private:
  struct Entry {
    double hour = -1.0;
    double altitude = 0.0;
    double diameter = 0.0;
    bool known = false;
  };
  static constexpr int recentcount = 4;

  // The index of a whole hour 0..24, else -1.
  static int wholehour(double hour) {
    if (!(hour >= 0.0 && hour <= 24.0)) return -1;
    const int whole = static_cast<int>(hour);
    return whole == hour ? whole : -1;
  }

  const Entry* find(double hour) const {
    const int whole = wholehour(hour);
    if (whole >= 0) return hourly_[whole].known ? &hourly_[whole] : nullptr;
    for (const Entry& e : recent_)
      if (e.known && e.hour == hour) return &e;
    return nullptr;
  }

  const Entry& remember(double hour) {
    const BodyAltitudeResult a = BodyAltitude(body_, mjd0_, hour, longitude_, latitude_, full_);
    const int whole = wholehour(hour);
    Entry& e = whole >= 0 ? hourly_[whole] : recent_[next_++ % recentcount];
    e = {hour, a.altitude, a.diameter, true};
    return e;
  }

  BodyCode body_;
  double mjd0_, longitude_, latitude_;
  bool full_;
  Entry hourly_[25];
  Entry recent_[recentcount];
  int next_ = 0;
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

BodyAltitudeResult BodyAltitude(BodyCode body, double mjd0, double hour, double longitudeEast, double latitude,
                                bool fullPrecision) {
  BodyAltitudeResult result;
  if (!(body == BodyCode::Sun || body == BodyCode::Moon || IsPlanet(body)) || body == BodyCode::Earth) {
    result.status = AstroStatus::NoPosition;
    return result;
  }
  const double mjd = mjd0 + hour / 24.0;
  const double t = (mjd - 51544.5) / DaysPerJulianCentury;
  const double lst = LocalMeanSiderealTime(mjd, longitudeEast);
  double ra = 0.0, dec = 0.0;
  if (IsPlanet(body) || fullPrecision || std::fabs(t) > LowPrecisionCenturies) {
    const ApparentPlace p = BodyPosition(FrameAt(InstantFromUT(mjd + 2400000.5)), body);
    result.status = p.status;
    ra = p.ra;
    dec = p.dec;
    result.diameter = p.diameter;
  } else {
    if (body == BodyCode::Moon)
      LowPrecisionMoon(t, ra, dec);
    else
      LowPrecisionSun(t, ra, dec);
    result.diameter = 1873.7;
  }
  const HorizontalPlace h = HorizontalFromEquatorial(ra, dec, lst, latitude);
  result.altitude = h.altitude;
  result.azimuth = h.azimuth;
  return result;
}

DayEventsResult DayEvents(int mjd, double zone, double longitudeEast, double latitude, BodyCode body,
                          const HorizonEvent& event, const DayEventsOptions& options) {
  DayEventsResult result;
  double h0;
  if (!referencealtitude(body, event, h0)) {
    result.status = AstroStatus::NoPosition;
    return result;
  }
  DayAltitude f(body, mjd - zone / 24.0, longitudeEast, latitude, options.fullPrecision);
  double& rise = result.rise;
  double& set = result.set;

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

  if (options.refine) {
    if (risefound && rise > 0.1 && rise < 23.9) rise = refine(f, h0, rise);
    if (setfound && set > 0.1 && set < 23.9) set = refine(f, h0, set);
  }

  if (options.culmination != Culmination::None) {
    double when, highest;
    culminate(f, options.culmination == Culmination::Fine ? 26 : 18, when, highest);
    result.culmination = when;
    result.altitude = body == BodyCode::Moon ? highest - f.diameter / 3600.0 : highest;
  }
  result.events = (risefound ? RiseFound : 0) | (setfound ? SetFound : 0) | (above ? AboveAtMidnight : 0);
  return result;
}

}  // namespace quendal
