// Nutation and obliquity; see nutation.h.
#include "astro/nutation.h"

#include <cmath>

#include "astro/data/nutation_data.h"
#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

namespace {

// Radians per 0.0001 arcsecond.
constexpr double RadiansPerUnit = 1.0e-4 / 3600.0 * RadiansPerDegree;

}  // namespace

namespace detail {

void NutationRadians(double tt, double& deltaEpsilon, double& deltaPsi) {
  const double t = (tt - J2000) / DaysPerJulianCentury;
  // Multiples -4..+4 of the five fundamental arguments, radians.
  double multiple[5][9];
  for (int a = 0; a < 5; ++a) {
    const double* c = NutationArguments[a].c;
    const double arcsec = c[0] + t * (c[1] + t * (c[2] + t * c[3]));
    const double x = TwoPi * Frac(arcsec / 1296000.0);
    for (int k = -4; k <= 4; ++k) multiple[a][k + 4] = k * x;
  }
  double psi = 0.0, epsilon = 0.0;
  int secular = 0;
  for (const NutationTerm& term : NutationTerms) {
    double arg = 0.0;
    for (int a = 0; a < 5; ++a) arg += multiple[a][term.multiplier[a] + 4];
    double cpsi = term.psi, ceps = term.epsilon;
    if (cpsi == 0.0 && ceps == 0.0) {
      const NutationSecularTerm& s = NutationSecularTerms[secular++];
      cpsi = s.a + s.b * t / 10.0;
      ceps = s.c + s.d * t / 10.0;
    }
    psi += cpsi * std::sin(arg);
    epsilon += ceps * std::cos(arg);
  }
  deltaEpsilon = epsilon * RadiansPerUnit;
  deltaPsi = psi * RadiansPerUnit;
}

double MeanObliquityRadians(double tt) {
  const double u = (tt - J2000) / 3652500.0;
  // Laskar's polynomial in arcseconds, U in units of 10000 Julian years.
  const double arcsec =
      u * (-4680.93 +
           u * (-1.55 +
                u * (1999.25 +
                     u * (-51.38 + u * (-249.67 + u * (-39.05 + u * (7.12 + u * (27.87 + u * (5.79 + u * 2.45)))))))));
  return (23.439291111 + arcsec / 3600.0) * RadiansPerDegree;
}

}  // namespace detail

NutationAngles Nutation(double tt) {
  double deltaEpsilon, deltaPsi;
  detail::NutationRadians(tt, deltaEpsilon, deltaPsi);
  return {deltaPsi * DegreesPerRadian, deltaEpsilon * DegreesPerRadian};
}

double MeanObliquity(double tt) { return detail::MeanObliquityRadians(tt) * DegreesPerRadian; }

double TrueObliquity(double tt) {
  double deltaEpsilon, deltaPsi;
  detail::NutationRadians(tt, deltaEpsilon, deltaPsi);
  return (detail::MeanObliquityRadians(tt) + deltaEpsilon) * DegreesPerRadian;
}

}  // namespace quendal
