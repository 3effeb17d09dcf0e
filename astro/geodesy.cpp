// Geodesy: sphere and ellipsoid distances, dish pointing; see geodesy.h.
#include "astro/geodesy.h"

#include <cmath>

#include "astro/numeric.h"

namespace quendal {

namespace {

double clamp(double value, double limit) {
  return value > limit ? limit : (value < -limit ? -limit : value);
}

double square(double x) { return x * x; }

}  // namespace

double SphereDistance(double lon1, double lat1, double lon2, double lat2) {
  const double l1 = clamp(lon1, 180.0) * RadiansPerDegree;
  const double p1 = clamp(lat1, 90.0) * RadiansPerDegree;
  const double l2 = clamp(lon2, 180.0) * RadiansPerDegree;
  const double p2 = clamp(lat2, 90.0) * RadiansPerDegree;
  return EarthEquatorialRadiusKm *
         SafeAcos(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(l2 - l1));
}

double HalfMeridianKm() {
  // Meridian arc by the series in n = f / (2 - f) (Bessel/Helmert).
  const double a = EarthEquatorialRadiusKm, f = EarthFlattening;
  const double b = a * (1.0 - f), n = f / (2.0 - f), n2 = n * n;
  return Pi * (a + b) / 2.0 * (1.0 + n2 / 4.0 + n2 * n2 / 64.0 + n2 * n2 * n2 / 256.0);
}

double EllipsoidDistance(double lon1, double lat1, double lon2, double lat2) {
  lon1 = clamp(lon1, 180.0);
  lat1 = clamp(lat1, 90.0);
  lon2 = clamp(lon2, 180.0);
  lat2 = clamp(lat2, 90.0);
  if (lat1 == lat2) {
    if (lon1 == lon2 || (std::fabs(lon1) == 180.0 && lon2 == -lon1)) return 0.0;
    if (std::fabs(lat1) == 90.0) return 0.0;
  }
  const double F = (lat1 + lat2) / 2.0 * RadiansPerDegree;
  const double G = (lat1 - lat2) / 2.0 * RadiansPerDegree;
  const double l = (lon1 - lon2) / 2.0 * RadiansPerDegree;
  const double sinG2 = square(std::sin(G)), cosG2 = square(std::cos(G));
  const double sinF2 = square(std::sin(F)), cosF2 = square(std::cos(F));
  const double sinl2 = square(std::sin(l)), cosl2 = square(std::cos(l));
  const double S = sinG2 * cosl2 + cosF2 * sinl2;
  const double C = cosG2 * cosl2 + sinF2 * sinl2;
  const double halfmeridian = HalfMeridianKm();
  // C vanishes only for antipodal points (pole to pole included): the
  // geodesic there is half a meridian.
  if (C <= 0.0) return halfmeridian;
  const double omega = std::atan(SafeSqrt(S / C));
  // S / C below the square root's limit: the points coincide.
  if (omega == 0.0) return 0.0;
  const double R = std::sqrt(S * C) / omega;
  const double D = 2.0 * omega * EarthEquatorialRadiusKm;
  const double H1 = (3.0 * R - 1.0) / (2.0 * C);
  const double H2 = (3.0 * R + 1.0) / (2.0 * S);
  const double s = D * (1.0 + EarthFlattening * H1 * sinF2 * cosG2 -
                        EarthFlattening * H2 * cosF2 * sinG2);
  // Close to the antipode the approximation grows past the longest geodesic.
  if (!(s < halfmeridian)) return halfmeridian;
  return s;
}

void DishPointing(double satelliteLongitude, double latitude, double longitude, int northBased,
                  double& azimuth, double& elevation) {
  const double phi = latitude * RadiansPerDegree;
  const double delta = (satelliteLongitude + longitude) * RadiansPerDegree;
  // tan A = tan(delta) / sin(phi), the quadrant from sin(delta) and
  // cos(delta) sin(phi): beyond 90 degrees of longitude (a satellite below the
  // horizon) the tangent alone would turn the dish the opposite way.
  double a = SafeAtan2(std::sin(delta), std::sin(phi) * std::cos(delta)) * DegreesPerRadian + 180.0;
  if (!northBased) a += 180.0;
  azimuth = NormalizeDegrees(a);
  const double beta = SafeAcos(std::cos(delta) * std::cos(phi));
  elevation = std::atan2(std::cos(beta) - 0.1513, std::sin(beta)) * DegreesPerRadian;
}

}  // namespace quendal
