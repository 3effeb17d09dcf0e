// VSOP87D series evaluation (Bretagnon & Francou 1988; Meeus ch. 32).
#include "astro/vsop87d.h"

#include <cmath>

#include "astro/data/vsop87d_data.h"
#include "astro/numeric.h"
#include "astro/sincos.h"

namespace quendal {
namespace {

// Typical radius vector of each body (AU), scaling the radius threshold.
constexpr double referenceradius[9] = {0.0, 0.39, 0.72, 1.0, 1.5, 5.2, 9.6, 19.2, 30.1};

constexpr double daysperjulianmillennium = 365250.0;
constexpr double radianspersecond = RadiansPerDegree / 3600.0;

// Amplitude threshold (units of 1e-8) of the series of power k of variable v
// for a precision; 0 keeps every term. absolutepowers[k] = |tau|^k.
double Threshold(double precision, int body, int v, int k, const double* absolutepowers) {
  const double q = -std::log10(precision + 1e-35) - 2.0;
  const double p0 = precision * 1e8 * 0.1 / q;
  double threshold = k == 0 ? p0 : p0 / (k * absolutepowers[k - 1] * 1e-4 + absolutepowers[k] + 1e-35);
  if (v == 2) threshold *= referenceradius[body];
  return threshold;
}

// From the dynamical ecliptic and equinox of VSOP87 to FK5 (Meeus eq. 32.3),
// tau in Julian millennia.
void ToFk5(detail::HeliocentricRadians& state, double tau) {
  const double lprime = state.l - (13.97 * tau + 0.031 * tau * tau) * RadiansPerDegree;
  const double c = std::cos(lprime);
  const double s = std::sin(lprime);
  state.l += (-0.09033 + 0.03916 * (c + s) * std::tan(state.b)) * radianspersecond;
  state.b += 0.03916 * (c - s) * radianspersecond;
}

AstroStatus CheckArguments(int body, double precision) {
  if (body < 1 || body > 8) return AstroStatus::NoPosition;
  if (!(precision >= 0.0 && precision <= 0.001)) return AstroStatus::BadPrecision;
  return AstroStatus::Ok;
}

}  // namespace

HeliocentricState Vsop87dSeries(double tt, BodyCode body, double precision) {
  return detail::InDegrees(detail::Vsop87dRadians(tt, body, precision));
}

namespace detail {

HeliocentricRadians Vsop87dRadians(double tt, BodyCode code, double precision) {
  return Vsop87dAt(ExpandVsop87d(tt, code, precision), 0.0);
}

// The fast evaluation differs from the direct one in two ways, each exact
// far beyond the stored truncation (the tests compare the two):
//  - A cos(B + C tau) = A cos B cos C tau - A sin B sin C tau with A cos B and
//    A sin B from the table, so one sine and cosine of C tau serves every
//    term of that frequency (a body has 51..441 distinct frequencies for
//    169..1833 terms); the difference is the rounding of B + C tau, about
//    1e-16 of C tau.
//  - SinCos (astro/sincos.h) instead of the library's sine and cosine, within
//    an ulp of them; its loop vectorises.
// The same sines and cosines give the first three derivatives of every term:
// -A C sin, -A C^2 cos, A C^3 sin (per millennium^n).
Vsop87dExpansion ExpandVsop87d(double tt, BodyCode code, double precision) {
  Vsop87dExpansion e;
  e.tt = tt;
  const int body = static_cast<int>(code);
  e.status = CheckArguments(body, precision);
  if (e.status != AstroStatus::Ok) return e;
  e.fk5 = precision < 5e-7;

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

  double sines[Vsop87dMaxFrequencies];
  double cosines[Vsop87dMaxFrequencies];
  if (std::fabs(tau) * Vsop87dHighestFrequency <= SinCosLimit) {
    double arguments[Vsop87dMaxFrequencies];
    for (int f = 0; f < table.frequencycount; ++f) arguments[f] = table.frequencies[f] * tau;
    SinCosArray(arguments, sines, cosines, table.frequencycount);
  } else {
    for (int f = 0; f < table.frequencycount; ++f) {
      sines[f] = std::sin(table.frequencies[f] * tau);
      cosines[f] = std::cos(table.frequencies[f] * tau);
    }
  }

  // The mean longitude, the sum of the longitude's constant terms (C = 0)
  // times tau^k, passes 2e5 rad near the year 10000 (Mercury), where a double
  // resolves only 3e-11 rad: it is summed in long double and reduced modulo
  // 2 pi before the periodic terms are added.
  long double meanlongitude = 0.0L;
  const long double tauextended = (static_cast<long double>(tt) - 2451545.0L) / 365250.0L;
  for (int v = 0; v < 3; ++v) {
    for (int k = 0; k < 7 && table.index[k + 1][v] != 0; ++k) {
      const double threshold = precision > 0.0 ? Threshold(precision, body, v, k, a) : 0.0;
      // The series S of power k and its derivatives; the longitude's constant
      // terms apart in s0constant.
      double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0, s0constant = 0.0;
      for (int n = table.index[k][v]; n < table.index[k + 1][v]; ++n) {
        const Vsop87dHarmonic& h = table.harmonics[n];
        if (h.amplitude < threshold) continue;
        const int f = h.frequency;
        const double c = table.frequencies[f];
        if (c == 0.0 && v == 0) {
          s0constant += h.cosine;
          continue;
        }
        const double cosine = h.cosine * cosines[f] - h.sine * sines[f];  // A cos(B + C tau)
        const double sine = h.sine * cosines[f] + h.cosine * sines[f];    // A sin(B + C tau)
        s0 += cosine;
        s1 -= c * sine;
        s2 -= c * c * cosine;
        s3 += c * c * c * sine;
      }
      // The derivatives of tau^k S by Leibniz's rule; dj = d^j tau^k / d tau^j.
      const double d0 = t[k];
      const double d1 = k >= 1 ? k * t[k - 1] : 0.0;
      const double d2 = k >= 2 ? k * (k - 1) * t[k - 2] : 0.0;
      const double d3 = k >= 3 ? k * (k - 1) * (k - 2) * t[k - 3] : 0.0;
      if (v == 0) {
        long double power = 1.0L;
        for (int j = 0; j < k; ++j) power *= tauextended;
        meanlongitude += power * s0constant;
      }
      const double whole = s0 + s0constant;  // S itself (s0constant is 0 but for L)
      e.value[v] += d0 * s0;
      e.first[v] += d1 * whole + d0 * s1;
      e.second[v] += d2 * whole + 2.0 * d1 * s1 + d0 * s2;
      e.third[v] += d3 * whole + 3.0 * d2 * s1 + 3.0 * d1 * s2 + d0 * s3;
    }
    // Units of 1e-8, derivatives per millennium^n: to radians (AU) per day^n.
    constexpr double m = daysperjulianmillennium;
    e.value[v] *= 1e-8;
    e.first[v] *= 1e-8 / m;
    e.second[v] *= 1e-8 / (m * m);
    e.third[v] *= 1e-8 / (m * m * m);
  }
  constexpr long double twopi = 6.283185307179586476925286766559L;
  meanlongitude *= 1e-8L;
  meanlongitude -= twopi * std::floor(meanlongitude / twopi);
  e.value[0] += static_cast<double>(meanlongitude);
  return e;
}

HeliocentricRadians Vsop87dAt(const Vsop87dExpansion& e, double dt) {
  if (e.status != AstroStatus::Ok) return HeliocentricRadians{e.status};
  double p[3], d[3];
  for (int v = 0; v < 3; ++v) {
    p[v] = e.value[v] + dt * (e.first[v] + dt / 2.0 * (e.second[v] + dt / 3.0 * e.third[v]));
    d[v] = e.first[v] + dt * (e.second[v] + dt / 2.0 * e.third[v]);
  }
  HeliocentricRadians state;
  state.l = NormalizeRadians(p[0]);
  state.b = p[1];
  state.r = p[2];
  state.dl = d[0];
  state.db = d[1];
  state.dr = d[2];
  if (e.fk5) ToFk5(state, (e.tt + dt - 2451545.0) / daysperjulianmillennium);
  return state;
}

HeliocentricRadians Vsop87dReferenceRadians(double tt, BodyCode code, double precision) {
  HeliocentricRadians state;
  const int body = static_cast<int>(code);
  state.status = CheckArguments(body, precision);
  if (state.status != AstroStatus::Ok) return state;

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

  double value[3] = {0.0, 0.0, 0.0};
  double rate[3] = {0.0, 0.0, 0.0};
  for (int v = 0; v < 3; ++v) {
    for (int k = 0; k < 7 && table.index[k + 1][v] != 0; ++k) {
      const double threshold = Threshold(precision, body, v, k, a);
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
  if (precision < 5e-7) ToFk5(state, tau);
  return state;
}

}  // namespace detail

}  // namespace quendal
