// Pluto orbit model: Kepler ellipse of polynomial mean elements plus a
// 26-term perturbation series, referred to the ecliptic and equinox J2000.0
// and carried to the ecliptic and equinox of date; rates by a one-day
// difference.
#include "astro/pluto.h"

#include <cmath>

#include "astro/data/pluto_data.h"
#include "astro/numeric.h"
#include "astro/precession.h"

namespace quendal {
namespace {

constexpr double radianspersecond = RadiansPerDegree / 3600.0;
// The radius perturbations are counted in units of one arcsecond in radians (AU).
constexpr double radiusunit = 4.84813681109536e-6;

double Polynomial(const double* coefficients, int count, double x) {
  double sum = coefficients[0];
  for (int n = 1; n < count; ++n) sum = sum * x + coefficients[n];
  return sum;
}

void PlutoElements(double jd, detail::OrbitModel& model) {
  const double tau = (jd - model.epoch) / 365250.0;
  model.jd = jd;
  model.a = Polynomial(plutoelements[PlutoA], 6, tau);
  model.i = Polynomial(plutoelements[PlutoI], 6, tau);
  model.node = Polynomial(plutoelements[PlutoNode], 6, tau);
  model.perihelion = Polynomial(plutoelements[PlutoPerihelion], 6, tau);
  model.e = Polynomial(plutoelements[PlutoE], 6, tau);
  model.m = NormalizeDegrees(Polynomial(plutoelements[PlutoM], 6, tau));
  model.longitude = 0.0;
  model.radius = 0.0;
  model.latitude = 0.0;
}

void PlutoPerturbation(double jd, detail::OrbitModel& model) {
  const double t = (jd - model.epoch) / 36525.0;
  const double tau = (jd - model.epoch) / 365250.0;
  // sin(m x) and cos(m x) of the five mean longitudes for m = 1..7, by the
  // angle-addition recurrence.
  double sines[5][8];
  double cosines[5][8];
  for (int n = 0; n < 5; ++n) {
    const double x = Polynomial(plutoarguments[n], 4, t);
    const double s = std::sin(x);
    const double c = std::cos(x);
    sines[n][1] = s;
    cosines[n][1] = c;
    sines[n][2] = 2.0 * s * c;
    cosines[n][2] = c * c - s * s;
    for (int m = 2; m < 7; ++m) {
      sines[n][m + 1] = s * cosines[n][m] + c * sines[n][m];
      cosines[n][m + 1] = c * cosines[n][m] - s * sines[n][m];
    }
  }
  double sum[3] = {0.0, 0.0, 0.0};
  for (const PlutoTerm& term : plutoterms) {
    double c = 1.0;
    double s = 0.0;
    for (int n = 0; n < 5; ++n) {
      const int multiplier = term.multiplier[n];
      if (multiplier == 0) continue;
      const int m = multiplier < 0 ? -multiplier : multiplier;
      const double sm = multiplier < 0 ? -sines[n][m] : sines[n][m];
      const double cm = cosines[n][m];
      const double cnew = c * cm - s * sm;
      s = s * cm + c * sm;
      c = cnew;
    }
    for (int coordinate = 0; coordinate < 3; ++coordinate) {
      const std::int16_t* k = term.coefficient + 6 * coordinate;
      const double pc = (k[0] * tau + k[1]) * tau + k[2];
      const double ps = (k[3] * tau + k[4]) * tau + k[5];
      sum[coordinate] += pc * c + ps * s;
    }
  }
  model.longitude += 0.1 * radianspersecond * sum[0];
  model.latitude = 0.1 * radianspersecond * sum[1];
  model.radius += radiusunit * sum[2];
}

// Direction of (x, y) counter-clockwise from the x axis, 0..2 pi.
double PlaneAngle(double x, double y) {
  if (x == 0.0) return y < 0.0 ? 1.5 * Pi : (y == 0.0 ? 0.0 : 0.5 * Pi);
  if (y == 0.0) return x < 0.0 ? Pi : 0.0;
  return NormalizeRadians(std::atan2(y, x));
}

// The position on the model's ellipse at tt carried to the ecliptic and
// equinox of date.
AstroStatus PositionOfDate(double tt, double& l, double& b, double& r) {
  detail::OrbitModel model;
  model.elements = PlutoElements;
  model.perturbation = PlutoPerturbation;
  const AstroStatus status = detail::KeplerEllipsePosition(tt, model, l, b, r);
  if (status == AstroStatus::Ok) detail::PrecessFromJ2000(tt, l, b);
  return status;
}

}  // namespace

HeliocentricState PlutoHeliocentric(double tt) { return detail::InDegrees(detail::PlutoRadians(tt)); }

namespace detail {

AstroStatus KeplerEllipsePosition(double tt, OrbitModel& model, double& l, double& b, double& r) {
  if (model.elements != nullptr) model.elements(tt, model);
  const double i = model.i * RadiansPerDegree;
  const double node = model.node * RadiansPerDegree;
  const double perihelion = model.perihelion * RadiansPerDegree;
  const double m = NormalizeRadians(model.m * RadiansPerDegree);
  const double e = model.e;
  // Only an ellipse has a position (the element polynomials leave that
  // shape some ten thousand years from their epoch).
  if (!(e >= 0.0 && e < 1.0 && model.a > 0.0)) return AstroStatus::KeplerFailed;

  // Kepler's equation E - e sin E = M by Newton's method.
  double eccentric = m;
  int iterations = 0;
  for (;;) {
    const double f = eccentric - e * std::sin(eccentric) - m;
    eccentric -= f / (1.0 - e * std::cos(eccentric));
    if (std::fabs(f) <= 1e-11) break;  // a NaN never converges
    if (++iterations > 100) return AstroStatus::KeplerFailed;
  }

  const double v = NormalizeRadians(2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(0.5 * eccentric)));
  const double u = v + perihelion;
  model.radius = model.a * (1.0 - e * e) / (1.0 + e * std::cos(v));
  model.longitude = node + PlaneAngle(std::cos(u), std::cos(i) * std::sin(u));
  const double latitude = SafeAsin(std::sin(i) * std::sin(u));
  if (model.perturbation != nullptr) model.perturbation(tt, model);

  l = NormalizeRadians(model.longitude);
  b = latitude + model.latitude;
  r = model.radius;
  return AstroStatus::Ok;
}

HeliocentricRadians PlutoRadians(double tt) {
  HeliocentricRadians state;
  state.status = PositionOfDate(tt + 1.0, state.dl, state.db, state.dr);
  if (state.status == AstroStatus::Ok) state.status = PositionOfDate(tt, state.l, state.b, state.r);
  if (state.status != AstroStatus::Ok) return HeliocentricRadians{state.status};
  state.dl -= state.l;
  state.db -= state.b;
  state.dr -= state.r;
  // The longitude may wrap through 0 between the two instants.
  if (state.dl < -Pi) state.dl += TwoPi;
  if (state.dl > Pi) state.dl -= TwoPi;
  if (!(tt >= PlutoFittedFirst && tt <= PlutoFittedLast)) state.status = AstroStatus::OutOfRange;
  return state;
}

HeliocentricRadians PlutoPositionRadians(double tt) {
  HeliocentricRadians state;
  state.status = PositionOfDate(tt, state.l, state.b, state.r);
  if (state.status != AstroStatus::Ok) return HeliocentricRadians{state.status};
  return state;
}

}  // namespace detail
}  // namespace quendal
