// Lunar phases, apogee and perigee; see lunar_events.h.
#include "astro/lunar_events.h"

#include <cmath>

#include "astro/apparent.h"
#include "astro/lunar_series.h"
#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"

namespace quendal {

using namespace eventdata;

namespace {

// Geocentric distance of the Moon (km) at tt (dynamical time).
double moondistance(double tt) { return MoonPosition(tt).distance * KilometresPerAU; }

}  // namespace

double LunarPhaseJDE(int k, double q) {
  bool quarter = false;
  if (q == 0.25 || q == 0.75)
    quarter = true;
  else if (q != 0.0 && q != 0.5)
    return 0.0;
  const double kq = k + q;
  const double t = kq / 1236.85;
  const double e = Evaluate(phaseE, kq, t);
  const double arguments[5] = {EvaluateAngle(phaseM, kq, t), EvaluateAngle(phaseMp, kq, t),
                               EvaluateAngle(phaseF, kq, t), EvaluateAngle(phaseOmega, kq, t), 0.0};
  double jde = Evaluate(phaseMeanJDE, kq, t);
  if (q == 0.0)
    jde += SumTerms(phaseNewMoon, e, arguments, false);
  else if (q == 0.5)
    jde += SumTerms(phaseFullMoon, e, arguments, false);
  else
    jde += SumTerms(phaseQuarter, e, arguments, false);
  if (quarter) {
    const double w = SumTerms(phaseQuarterW, e, arguments, true);
    jde += q == 0.25 ? w : -w;
  }
  // The additional corrections, their fourteen sines in one vectorised call.
  // (The arguments are not reduced to 0..360 degrees first: SinCos reduces,
  // and the rounding of the larger radians, 1e-11, is nothing against
  // coefficients of 3e-4 day.)
  constexpr int count = sizeof phaseAdditional / sizeof phaseAdditional[0];
  double angles[count], sines[count], cosines[count];
  for (int i = 0; i < count; ++i) angles[i] = Evaluate(phaseAdditional[i].argument, kq, t) * RadiansPerDegree;
  detail::SinCosArray(angles, sines, cosines, count);
  for (int i = 0; i < count; ++i) jde += phaseAdditional[i].coefficient * sines[i];
  return jde;
}

double LunarPhase(int k, double q) {
  const double jde = LunarPhaseJDE(k, q);
  if (jde == 0.0) return 0.0;
  // Delta T of the calendar month of the dynamical instant.
  const double mjd = jde - 2400000.5;
  if (!(std::fabs(mjd) < 7.0e8)) return jde - DeltaTForJD(jde) * DaysPerSecond;
  int year, month, day, hour, minute, second;
  mjdtodatetime(mjd, year, month, day, hour, minute, second);
  double jd = jde - DeltaT(year, month) * DaysPerSecond;
  if (year >= 2000 && year <= 2020) jd += (0.5 + 0.536 * (year - 2001.6)) * DaysPerSecond;
  return jd;
}

double ApsisSearch(double start, double& distance, int& evaluations, int mode) {
  if (mode == 0) return 0.0;
  const bool apogee = mode > 0;
  constexpr double tolerance = 10000.0;  // km
  double x = start + DeltaTForJD(start) * DaysPerSecond;
  double step = 1.0;
  double best = 0.0, bestjd = x;
  int count = 0;
  for (int pass = 0; pass < 12; ++pass) {
    if (pass > 0) {
      x = bestjd - step;
      step /= 2.0;
    }
    double current = moondistance(x);
    ++count;
    if (pass == 0) best = current;
    const int steps = pass == 0 ? 27 : 9;
    for (int i = 0; i < steps; ++i) {
      if (apogee ? current > best : current < best) {
        best = current;
        bestjd = x;
      }
      x += step;
      const double next = moondistance(x);
      ++count;
      if (apogee ? next + tolerance < current : next - tolerance > current) break;
      current = next;
    }
  }
  distance = best;
  evaluations = count;
  return bestjd - DeltaTForJD(bestjd) * DaysPerSecond;
}

double NextApsis(double jd, double& distance, int& evaluations, int mode) {
  if (mode == 0) return 0.0;
  double start = jd - 10.0;
  double found = 0.0, km = 0.0;
  int total = 0;
  for (int attempt = 0; attempt <= 12; ++attempt) {
    int count = 0;
    found = ApsisSearch(start, km, count, mode);
    total += count;
    if (found >= jd) break;
    start += 10.0;
  }
  distance = km;
  evaluations = total;
  return found;
}

int FirstLunationToTry(int year, int month, int day) {
  return static_cast<int>(std::floor((year - 2000 + month / 12.0 + day / 365.25) * 12.3685)) - 2;
}

}  // namespace quendal
