// Lunar phases, apogee and perigee; see lunar_events.h.
#include "astro/lunar_events.h"

#include <cmath>

#include "astro/lunar_series.h"
#include "astro/numeric.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"

namespace quendal {

using namespace eventdata;

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
  for (const AdditionalTerm& a : phaseAdditional)
    jde += a.coefficient * std::sin(EvaluateAngle(a.argument, kq, t));
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

int FirstLunationToTry(int year, int month, int day) {
  return static_cast<int>(std::floor((year - 2000 + month / 12.0 + day / 365.25) * 12.3685)) - 2;
}

}  // namespace quendal
