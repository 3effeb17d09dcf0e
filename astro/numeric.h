// Numeric helpers of the astronomy engine. Angles in degrees unless the name
// says radians. All are closed formulas without state.
#pragma once

#include <cmath>

namespace quendal {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TwoPi = 2.0 * Pi;
inline constexpr double DegreesPerRadian = 180.0 / Pi;
inline constexpr double RadiansPerDegree = Pi / 180.0;

// x - 360 floor(x / 360), in [0, 360).
inline double NormalizeDegrees(double x) {
  double r = x - 360.0 * std::floor(x / 360.0);
  return r >= 360.0 ? 0.0 : r;
}
// x - 2 pi floor(x / 2 pi), in [0, 2 pi).
inline double NormalizeRadians(double x) {
  double r = x - TwoPi * std::floor(x / TwoPi);
  return r >= TwoPi ? 0.0 : r;
}
// x - floor(x).
inline double Frac(double x) { return x - std::floor(x); }
// Sine and cosine of an angle in degrees.
inline double SinDeg(double degrees) { return std::sin(degrees * RadiansPerDegree); }
inline double CosDeg(double degrees) { return std::cos(degrees * RadiansPerDegree); }
// Square root; any x below 1e-35 (zero and negatives included) gives 0.
inline double SafeSqrt(double x) { return x < 1e-35 ? 0.0 : std::sqrt(x); }
// Arc sine / arc cosine in radians of x limited to -1..1.
inline double SafeAsin(double x) { return std::asin(x < -1.0 ? -1.0 : (x >= 1.0 ? 1.0 : x)); }
inline double SafeAcos(double x) { return std::acos(x < -1.0 ? -1.0 : (x >= 1.0 ? 1.0 : x)); }
// atan2(y, x) in radians; pi when both are exactly 0.
inline double SafeAtan2(double y, double x) { return (y == 0.0 && x == 0.0) ? Pi : std::atan2(y, x); }

}  // namespace quendal
