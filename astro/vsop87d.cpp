// VSOP87D series evaluation (Bretagnon & Francou 1988; Meeus ch. 32).
#include "astro/vsop87d.h"

#include <cmath>

#include "astro/data/vsop87d_data.h"
#include "astro/numeric.h"

namespace quendal {
namespace {

// Typical radius vector of each body (AU), scaling the radius threshold.
constexpr double referenceradius[9] = {0.0, 0.39, 0.72, 1.0, 1.5, 5.2, 9.6, 19.2, 30.1};

constexpr double daysperjulianmillennium = 365250.0;
constexpr double radianspersecond = RadiansPerDegree / 3600.0;

}  // namespace

HeliocentricState Vsop87dSeries(double tt, BodyCode body, double precision) {
  return detail::InDegrees(detail::Vsop87dRadians(tt, body, precision));
}

namespace detail {

HeliocentricRadians Vsop87dRadians(double tt, BodyCode code, double precision) {
  HeliocentricRadians state;
  const int body = static_cast<int>(code);
  if (body < 1 || body > 8) {
    state.status = AstroStatus::NoPosition;
    return state;
  }
  if (!(precision >= 0.0 && precision <= 0.001)) {
    state.status = AstroStatus::BadPrecision;
    return state;
  }

  const Vsop87dBodyTable& table = vsop87dtables[body];
  const double tau = (tt - 2451545.0) / daysperjulianmillennium;
  double t[6];
  double a[6];
  t[0] = 1.0;
  a[0] = 1.0;
  for (int k = 1; k < 6; ++k) {
    t[k] = t[k - 1] * tau;
    a[k] = std::fabs(t[k]);
  }

  // Amplitude threshold in the stored units (1e-8); 0 keeps every term.
  const double q = -std::log10(precision + 1e-35) - 2.0;
  const double p0 = precision * 1e8 * 0.1 / q;

  double value[3] = {0.0, 0.0, 0.0};
  double rate[3] = {0.0, 0.0, 0.0};
  for (int v = 0; v < 3; ++v) {
    for (int k = 0; k < 7 && table.index[k + 1][v] != 0; ++k) {
      double threshold = k == 0 ? p0 : p0 / (k * a[k - 1] * 1e-4 + a[k] + 1e-35);
      if (v == 2) threshold *= referenceradius[body];
      double s = 0.0;
      double d = 0.0;
      for (int n = table.index[k][v]; n < table.index[k + 1][v]; ++n) {
        const double* term = table.terms[n];
        if (term[0] < threshold) continue;
        const double angle = term[1] + term[2] * tau;
        s += term[0] * std::cos(angle);
        d -= term[2] * term[0] * std::sin(angle);
      }
      value[v] += t[k] * s;
      rate[v] += t[k] * d + (k > 0 ? k * t[k - 1] * s : 0.0);
    }
  }

  state.l = NormalizeRadians(value[0] * 1e-8);
  state.b = value[1] * 1e-8;
  state.r = value[2] * 1e-8;
  state.dl = rate[0] * 1e-8 / daysperjulianmillennium;
  state.db = rate[1] * 1e-8 / daysperjulianmillennium;
  state.dr = rate[2] * 1e-8 / daysperjulianmillennium;

  if (precision < 5e-7) {
    // Dynamical ecliptic and equinox of VSOP87 to FK5 (Meeus eq. 32.3).
    const double lprime = state.l - (13.97 * tau + 0.031 * tau * tau) * RadiansPerDegree;
    const double c = std::cos(lprime);
    const double s = std::sin(lprime);
    state.l += (-0.09033 + 0.03916 * (c + s) * std::tan(state.b)) * radianspersecond;
    state.b += 0.03916 * (c - s) * radianspersecond;
  }
  return state;
}

}  // namespace detail

}  // namespace quendal
