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

// Sum of coefficient * E^epower * sin|cos(n . arguments), arguments in
// radians in the order M, M', F (or F1), Omega, A1; the sines and cosines of
// all the terms' arguments in one vectorised call.
template <std::size_t N>
double SumTerms(const PeriodicTerm (&terms)[N], double e, const double (&arguments)[5],
                bool cosine) {
  double angles[N], sines[N], cosines[N];
  for (std::size_t j = 0; j < N; ++j) {
    double angle = 0.0;
    for (int i = 0; i < 5; ++i) angle += terms[j].n[i] * arguments[i];
    angles[j] = angle;
  }
  detail::SinCosArray(angles, sines, cosines, static_cast<int>(N));
  double sum = 0.0;
  for (std::size_t j = 0; j < N; ++j) {
    double value = terms[j].coefficient * (cosine ? cosines[j] : sines[j]);
    for (int i = 0; i < terms[j].epower; ++i) value *= e;
    sum += value;
  }
  return sum;
}

}  // namespace quendal::eventdata
