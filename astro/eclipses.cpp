// Eclipses; see eclipses.h.
#include "astro/eclipses.h"

#include <cmath>

#include "astro/lunar_series.h"
#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

using namespace eventdata;

namespace {

// The type of a solar eclipse (PartialEclipse, TotalEclipse, AnnularEclipse),
// or -1 for none.
int solartype(double gamma, double u) {
  const EclipseConstants& c = eclipseConstants;
  const double g = std::fabs(gamma);
  if (g > c.solarNone + u) return -1;
  if (g >= c.solarCentral + std::fabs(u)) return PartialEclipse;
  if (g > c.solarCentral) return u < 0.0 ? TotalEclipse : AnnularEclipse;  // not central
  if (u < 0.0) return TotalEclipse;
  if (u > c.solarAnnularU) return AnnularEclipse;
  return u < c.solarHybrid * std::sqrt(1.0 - gamma * gamma) ? TotalEclipse : AnnularEclipse;
}

// The type of a lunar eclipse (PartialEclipse, TotalEclipse), or -1 for none
// or a penumbral one.
int lunartype(double gamma, double u) {
  const EclipseConstants& c = eclipseConstants;
  const double magnitude = (c.lunarUmbral - u - std::fabs(gamma)) / c.lunarMagnitudeDenominator;
  if (!(magnitude > 0.0)) return -1;
  const double t = c.lunarTotal - u;
  return t * t - gamma * gamma > 0.0 ? TotalEclipse : PartialEclipse;
}

}  // namespace

double EclipseMaximum(int k, int kind, int type) {
  const bool solar = kind == SolarEclipse;
  if (solar) {
    if (type != PartialEclipse && type != TotalEclipse && type != AnnularEclipse) return 0.0;
  } else if (kind == LunarEclipse) {
    if (type != PartialEclipse && type != TotalEclipse) return 0.0;
  } else {
    return 0.0;
  }
  const EclipseConstants& c = eclipseConstants;
  const double kq = k + 0.5 * kind;
  const double t = kq / 1236.85;
  const double f = EvaluateAngle(eclipseF, kq, t);
  if (std::fabs(std::sin(f)) > c.sinFLimit) return 0.0;

  const double omega = EvaluateAngle(eclipseOmega, kq, t);
  const double f1 = f + c.f1Coefficient * std::sin(omega) * RadiansPerDegree;
  const double e = Evaluate(eclipseE, kq, t);
  const double arguments[5] = {EvaluateAngle(eclipseM, kq, t), EvaluateAngle(eclipseMp, kq, t), f1, omega,
                               EvaluateAngle(eclipseA1, kq, t)};
  const double p = SumTerms(eclipseP, e, arguments, false);
  const double q = SumTerms(eclipseQ, e, arguments, true);
  const double w = std::fabs(std::cos(f1));
  const double gamma = (p * std::cos(f1) + q * std::sin(f1)) * (1.0 + c.gammaWCoefficient * w);
  const double u = SumTerms(eclipseU, e, arguments, true);
  if ((solar ? solartype(gamma, u) : lunartype(gamma, u)) != type) return 0.0;

  double jde = Evaluate(eclipseMeanJDE, kq, t);
  jde +=
      solar ? SumTerms(eclipseMaximumSolar, e, arguments, false) : SumTerms(eclipseMaximumLunar, e, arguments, false);
  jde += SumTerms(eclipseMaximumCommon, e, arguments, false);
  return jde - DeltaTForJD(jde) * DaysPerSecond;
}

}  // namespace quendal
