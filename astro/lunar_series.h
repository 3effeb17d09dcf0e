// Evaluation of the polynomial arguments and periodic-term tables of Meeus
// ch. 49 and 54 (astro/data/lunar_event_tables.*). Internal to the engine.
#pragma once

#include <cmath>
#include <cstddef>

#include "astro/data/lunar_event_tables.h"
#include "astro/numeric.h"

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
// radians in the order M, M', F (or F1), Omega, A1.
template <std::size_t N>
double SumTerms(const PeriodicTerm (&terms)[N], double e, const double (&arguments)[5],
                bool cosine) {
  double sum = 0.0;
  for (const PeriodicTerm& term : terms) {
    double angle = 0.0;
    for (int i = 0; i < 5; ++i) angle += term.n[i] * arguments[i];
    double value = term.coefficient * (cosine ? std::cos(angle) : std::sin(angle));
    for (int i = 0; i < term.epower; ++i) value *= e;
    sum += value;
  }
  return sum;
}

}  // namespace quendal::eventdata
