// Refraction; see refraction.h.
#include "astro/refraction.h"

#include <cmath>

#include "astro/numeric.h"

namespace quendal {

namespace {

// 0.1 arcsecond in degrees.
constexpr double Tolerance = 0.1 / 3600.0;

// True altitude (degrees) by the low-altitude formula.
double lowformula(double pressure, double temperature, double h) {
  const double r =
      (0.1594 + 0.0196 * h + 0.00002 * h * h) * pressure / ((273.0 + temperature) * (1.0 + 0.505 * h + 0.0845 * h * h));
  if (h < 0.0 && r < 0.0) return h;
  return h - r;
}

// True altitude (degrees) by the cotangent formula.
double highformula(double pressure, double temperature, double h) {
  const double r = 7.888888e-5 * pressure / (std::tan(h * RadiansPerDegree) * (273.0 + temperature));
  return h - r * DegreesPerRadian;
}

}  // namespace

double TrueFromApparentAltitude(double pressure, double temperature, double apparentAltitude) {
  const double h = apparentAltitude;
  double t;
  if (h < 14.5) {
    t = lowformula(pressure, temperature, h);
  } else if (h >= 15.5) {
    t = highformula(pressure, temperature, h);
  } else {
    const double w = h - 14.5;
    t = (1.0 - w) * lowformula(pressure, temperature, h) + w * highformula(pressure, temperature, h);
  }
  return t;
}

double ApparentAltitude(double pressure, double temperature, double trueAltitude) {
  double x = trueAltitude;
  double y = TrueFromApparentAltitude(pressure, temperature, x);
  double best = x, bestresidual = std::fabs(trueAltitude - y);
  double d = 0.8 * (trueAltitude - y);
  double yprevious = y;
  for (int i = 0; i < ApparentAltitudeIterations; ++i) {
    x += d;
    y = TrueFromApparentAltitude(pressure, temperature, x);
    const double residual = std::fabs(trueAltitude - y);
    if (residual < bestresidual) {
      best = x;
      bestresidual = residual;
    }
    if (residual < Tolerance) break;
    // A flat secant (equal values) cannot be divided by: step by the residual.
    if (yprevious != y)
      d = -(trueAltitude - y) / (yprevious - y) * d;
    else
      d = trueAltitude - y;
    yprevious = y;
    if (!std::isfinite(d)) break;
  }
  return best;
}

}  // namespace quendal
