// Evaluation of the polynomial arguments and periodic-term tables of Meeus
// ch. 49 and 54 (astro/data/lunar_event_tables.*). Internal to the engine.
#pragma once

#include <cmath>
#include <cstddef>

#include "astro/data/lunar_event_tables.h"
#include "astro/numeric.h"
#include "astro/sincos.h"

namespace quendal::eventdata {

// c0 + c1 k + c2 T + c3 T^2 + c4 T^3 + c5 T^4.
inline double Evaluate(const Polynomial& p, double k, double t) {
  return p.c[0] + p.c[1] * k + t * (p.c[2] + t * (p.c[3] + t * (p.c[4] + t * p.c[5])));
}

// An angle polynomial (degrees) reduced to [0, 360) and converted to radians.
inline double EvaluateAngle(const Polynomial& p, double k, double t) {
  return NormalizeDegrees(Evaluate(p, k, t)) * RadiansPerDegree;
}

// The arguments n . arguments of a table's terms, into angles[0..N);
// arguments in radians in the order M, M', F (or F1), Omega, A1.
template <std::size_t N>
void TermAngles(const PeriodicTerm (&terms)[N], const double (&arguments)[5], double* angles) {
  for (std::size_t j = 0; j < N; ++j) {
    double angle = 0.0;
    for (int i = 0; i < 5; ++i) angle += terms[j].n[i] * arguments[i];
    angles[j] = angle;
  }
}

// Sum of coefficient * E^epower * value[j] over the terms (epower 0..2: E
// and E^2 are all the tables use), value[j] the
// sine or cosine of term j's argument.
template <std::size_t N>
double SumTerms(const PeriodicTerm (&terms)[N], double e, const double* value) {
  double sum = 0.0;
  for (std::size_t j = 0; j < N; ++j) {
    double v = terms[j].coefficient * value[j];
    if (terms[j].epower >= 1) v *= e;
    if (terms[j].epower >= 2) v *= e;
    sum += v;
  }
  return sum;
}

// Sum of coefficient * E^epower * sin|cos(n . arguments): the sines and
// cosines of all the terms' arguments in one vectorised call.
template <std::size_t N>
double SumTerms(const PeriodicTerm (&terms)[N], double e, const double (&arguments)[5], bool cosine) {
  double angles[N], sines[N], cosines[N];
  TermAngles(terms, arguments, angles);
  detail::SinCosArray(angles, sines, cosines, static_cast<int>(N));
  return SumTerms(terms, e, cosine ? cosines : sines);
}

}  // namespace quendal::eventdata
