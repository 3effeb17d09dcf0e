// Rise, set and twilight; see riseset.h.
#include "astro/riseset.h"

#include <cmath>

#include "astro/numeric.h"

namespace quendal {

void HorizontalFromEquatorial(double rightAscension, double declination, double siderealTime,
                              double latitude, double& azimuth, double& altitude) {
  const double h = (siderealTime - rightAscension) * 15.0 * RadiansPerDegree;
  const double d = declination * RadiansPerDegree, phi = latitude * RadiansPerDegree;
  const double sind = std::sin(d), cosd = std::cos(d);
  const double sinphi = std::sin(phi), cosphi = std::cos(phi);
  altitude = SafeAsin(sind * sinphi + cosd * cosphi * std::cos(h)) * DegreesPerRadian;
  azimuth = NormalizeRadians(SafeAtan2(-cosd * std::sin(h), sind * cosphi - cosd * std::cos(h) * sinphi)) *
            DegreesPerRadian;
  if (azimuth >= 360.0) azimuth = 0.0;
}

int QuadraticInterpolation(double yMinus, double y0, double yPlus, double& xExtremum,
                           double& yExtremum, double& root1, double& root2) {
  const double a = (yPlus + yMinus) / 2.0 - y0;
  const double b = (yPlus - yMinus) / 2.0;
  const double c = y0;
  if (a == 0.0) {
    // A straight line: no vertex, at most one root.
    xExtremum = 0.0;
    yExtremum = c;
    if (b == 0.0) return 0;
    root1 = root2 = -c / b;
    return std::fabs(root1) <= 1.0 ? 1 : 0;
  }
  xExtremum = -b / (2.0 * a);
  yExtremum = (a * xExtremum + b) * xExtremum + c;
  const double discriminant = b * b - 4.0 * a * c;
  if (discriminant < 0.0) return 0;
  const double dx = SafeSqrt(discriminant) / (2.0 * std::fabs(a));
  root1 = xExtremum - dx;
  root2 = xExtremum + dx;
  int count = 0;
  if (std::fabs(root1) <= 1.0) ++count;
  if (std::fabs(root2) <= 1.0) ++count;
  if (root1 < -1.0) root1 = root2;
  return count;
}

}  // namespace quendal
