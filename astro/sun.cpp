// Low-precision Sun and the equation of time; see sun.h.
#include "astro/sun.h"

#include <cmath>

#include "astro/numeric.h"
#include "astro/timescales.h"

namespace quendal {

void LowPrecisionSun(double t, double& rightAscension, double& declination) {
  const double m = TwoPi * Frac(0.993133 + 99.997361 * t);
  const double dl = 6893.0 * std::sin(m) + 72.0 * std::sin(2.0 * m);  // arcseconds
  const double l = TwoPi * Frac(0.7859453 + m / TwoPi + (6191.2 * t + dl) / 1296000.0);
  // Ecliptic to equator with cos and sin of a fixed obliquity of 23.43 degrees.
  const double x = std::cos(l);
  const double y = 0.91748 * std::sin(l);
  const double z = 0.39778 * std::sin(l);
  const double rho = SafeSqrt(x * x + y * y);  // |(x, y)|, as the half-angle form needs
  declination = DegreesPerRadian * SafeAtan2(z, rho);
  rightAscension = 24.0 / Pi * SafeAtan2(y, x + rho);
  if (rightAscension < 0.0) rightAscension += 24.0;
}

double EquationOfTime(double jd) {
  const double t = (jd - J2000) / DaysPerJulianCentury;
  const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * RadiansPerDegree;
  const double epsilon = 23.439291111 - (46.815 * t + 0.00059 * t * t - 0.001813 * t * t * t) / 3600.0;
  const double tanHalf = std::tan(epsilon * RadiansPerDegree / 2.0);
  const double y = tanHalf * tanHalf;
  const double l0 = (280.46646 + 36000.76983 * t + 0.0003032 * t * t) * RadiansPerDegree;
  const double e = 0.016708634 - 0.000042037 * t - 0.0000001267 * t * t;
  const double radians = y * std::sin(2.0 * l0) - 2.0 * e * std::sin(m) +
                         4.0 * e * y * std::sin(m) * std::cos(2.0 * l0) - 0.5 * y * y * std::sin(4.0 * l0) -
                         1.25 * e * e * std::sin(2.0 * m);
  return radians * (720.0 / Pi);
}

int EquationOfTimeRow(double jd, int height, double& equation) {
  equation = EquationOfTime(jd);
  const double v = height / 2.0 - height * equation / 42.0;
  const double whole = std::trunc(v);
  int n = (std::fabs(whole) < 2.0e9) ? static_cast<int>(whole) : (whole < 0.0 ? -2000000000 : 2000000000);
  const double f = v - whole;
  // To the nearest row on either side of the centre line (E = 0 keeps the
  // truncated centre).
  if (equation != 0.0 && f > 0.499) ++n;
  if (n < 0) n = 0;
  if (n > height) n = height;
  return n;
}

namespace {

// The quantity minimised or maximised by the extremum search.
double extremumValue(double jd, int mode, int& evaluations) {
  ++evaluations;
  const double e = EquationOfTime(jd);
  return mode == 0 ? std::fabs(e) : e;
}

}  // namespace

double EquationOfTimeExtremum(double startJd, double& value, int& evaluations, int mode) {
  const bool maximum = mode >= 1;
  // a beats b: strictly greater for a maximum, strictly smaller for a minimum.
  auto beats = [maximum](double a, double b) { return maximum ? a > b : a < b; };
  double step = 1.0;
  double x = startJd;
  double current = extremumValue(x, mode, evaluations);
  double best = current, bestJd = x;
  for (int pass = 0; pass < 18; ++pass) {
    if (pass > 0) {
      x = bestJd - step;
      step /= 2.0;
      current = extremumValue(x, mode, evaluations);
    }
    for (int i = 0; i < 99; ++i) {
      if (beats(current, best)) {
        best = current;
        bestJd = x;
      }
      x += step;
      const double next = extremumValue(x, mode, evaluations);
      if (beats(current, next)) break;  // the next value is worse: past the turning point
      current = next;
    }
  }
  value = best;
  return bestJd;
}

}  // namespace quendal
