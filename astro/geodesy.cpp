// Geodesy: sphere and ellipsoid distances, dish pointing; see geodesy.h.
#include "astro/geodesy.h"

#include <cmath>
#include <utility>

#include "astro/numeric.h"

namespace quendal {

namespace {

double clamp(double value, double limit) { return value > limit ? limit : (value < -limit ? -limit : value); }

}  // namespace

double SphereDistance(double lon1, double lat1, double lon2, double lat2) {
  const double l1 = clamp(lon1, 180.0) * RadiansPerDegree;
  const double p1 = clamp(lat1, 90.0) * RadiansPerDegree;
  const double l2 = clamp(lon2, 180.0) * RadiansPerDegree;
  const double p2 = clamp(lat2, 90.0) * RadiansPerDegree;
  return EarthEquatorialRadiusKm *
         SafeAcos(std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(l2 - l1));
}

namespace {

// The geodesic on the ellipsoid by Bessel's auxiliary sphere (see C. F. F.
// Karney, Algorithms for geodesics, J. Geodesy 87, 2013, eqs. 7, 8, 45): on
// a geodesic with equatorial azimuth alpha0 and arc sigma from its node,
//   s / b    = integral of sqrt(1 + k^2 sin^2 sigma) d sigma,
//   lambda   = omega - f sin(alpha0) integral of (2 - f) / (1 + (1 - f) sqrt(1 + k^2 sin^2 sigma)) d sigma,
// with k^2 = e'^2 cos^2(alpha0). Both integrands are even and pi-periodic in
// sigma; their cosine series comes from equally spaced samples (the
// trapezoidal rule is exact to rounding for such smooth periodic functions,
// the coefficients fall off like (k^2 / 4)^n) and integrates term by term.

constexpr int GeodesicSamples = 16;                 // samples over one period
constexpr int GeodesicTerms = GeodesicSamples / 2;  // cosine terms 1..8 (and the mean)

struct PeriodicIntegral {
  double mean = 0.0;
  double c[GeodesicTerms + 1] = {};  // c[n]: coefficient of cos(2 n sigma)

  // The integral from 0 to sigma.
  double at(double sigma) const {
    double sum = mean * sigma;
    for (int n = 1; n <= GeodesicTerms; ++n) sum += c[n] * std::sin(2.0 * n * sigma) / (2.0 * n);
    return sum;
  }
};

struct GeodesicIntegrals {
  PeriodicIntegral distance;   // sqrt(1 + k^2 sin^2 sigma)
  PeriodicIntegral longitude;  // (2 - f) / (1 + (1 - f) sqrt(1 + k^2 sin^2 sigma))
};

GeodesicIntegrals geodesicintegrals(double k2) {
  const double f = EarthFlattening;
  double g1[GeodesicSamples], g3[GeodesicSamples];
  for (int j = 0; j < GeodesicSamples; ++j) {
    const double sn = std::sin(Pi * j / GeodesicSamples);
    const double root = std::sqrt(1.0 + k2 * sn * sn);
    g1[j] = root;
    g3[j] = (2.0 - f) / (1.0 + (1.0 - f) * root);
  }
  GeodesicIntegrals r;
  for (int n = 0; n <= GeodesicTerms; ++n) {
    double s1 = 0.0, s3 = 0.0;
    for (int j = 0; j < GeodesicSamples; ++j) {
      const double w = std::cos(2.0 * Pi * n * j / GeodesicSamples);
      s1 += g1[j] * w;
      s3 += g3[j] * w;
    }
    // The last term (n = N/2) is the Nyquist term and takes half weight.
    const double scale = (n == 0 || n == GeodesicTerms) ? 1.0 / GeodesicSamples : 2.0 / GeodesicSamples;
    if (n == 0) {
      r.distance.mean = s1 * scale;
      r.longitude.mean = s3 * scale;
    } else {
      r.distance.c[n] = s1 * scale;
      r.longitude.c[n] = s3 * scale;
    }
  }
  return r;
}

// e'^2 = (a^2 - b^2) / b^2 and the polar radius b (km).
constexpr double SecondEccentricity2 =
    EarthFlattening * (2.0 - EarthFlattening) / ((1.0 - EarthFlattening) * (1.0 - EarthFlattening));
constexpr double EarthPolarRadiusKm = EarthEquatorialRadiusKm * (1.0 - EarthFlattening);

// A geodesic leaving point 1 (reduced latitude beta1 <= 0) with azimuth
// alpha1 in [0, pi], followed to its first ascending passage through the
// reduced latitude beta2 (|beta2| <= |beta1|). Out distance (km); returns the
// longitude difference lambda12 in [0, pi] (up to rounding), which grows
// monotonically with alpha1.
double geodesicleg(double sb1, double cb1, double sb2, double cb2, double alpha1, double& distance) {
  const double sa1 = std::sin(alpha1), ca1 = std::cos(alpha1);
  const double sa0 = sa1 * cb1;                   // Clairaut: sin(alpha0)
  const double ca0 = std::hypot(ca1, sa1 * sb1);  // cos(alpha0)
  // cos(alpha2) cos(beta2) on the ascending branch (Karney eq. 45).
  const double ca2cb2 = std::sqrt(std::fmax(0.0, ca1 * cb1 * ca1 * cb1 + (cb2 - cb1) * (cb2 + cb1)));
  // Arc sigma and spherical longitude omega of both points, from the node.
  const double sig1 = std::atan2(sb1, ca1 * cb1);
  double ssig1 = sb1, csig1 = ca1 * cb1, ssig2 = sb2, csig2 = ca2cb2;
  double somg1 = sa0 * sb1, comg1 = ca1 * cb1, somg2 = sa0 * sb2, comg2 = ca2cb2;
  const auto normalise = [](double& s, double& c) {
    const double r = std::hypot(s, c);
    if (r > 0.0)
      s /= r, c /= r;
    else
      c = 1.0;
  };
  normalise(ssig1, csig1);
  normalise(ssig2, csig2);
  normalise(somg1, comg1);
  normalise(somg2, comg2);
  const double sig12 = std::atan2(std::fmax(0.0, csig1 * ssig2 - ssig1 * csig2), csig1 * csig2 + ssig1 * ssig2);
  const double omg12 = std::atan2(std::fmax(0.0, comg1 * somg2 - somg1 * comg2), comg1 * comg2 + somg1 * somg2);
  const GeodesicIntegrals in = geodesicintegrals(SecondEccentricity2 * ca0 * ca0);
  const double sig2 = sig1 + sig12;
  distance = EarthPolarRadiusKm * (in.distance.at(sig2) - in.distance.at(sig1));
  return omg12 - EarthFlattening * sa0 * (in.longitude.at(sig2) - in.longitude.at(sig1));
}

}  // namespace

double HalfMeridianKm() {
  // A meridian (alpha0 = 0) over half a period of sigma.
  return EarthPolarRadiusKm * Pi * geodesicintegrals(SecondEccentricity2).distance.mean;
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
  // The distance keeps its value when the points swap, when both latitudes
  // change sign and when the longitude difference does: take point 1 as the
  // one farther from the equator, in the south, and lambda12 in [0, pi].
  double lambda = std::fabs(std::remainder(lon2 - lon1, 360.0)) * RadiansPerDegree;
  if (std::fabs(lat2) > std::fabs(lat1)) std::swap(lat1, lat2);
  if (lat1 > 0.0) lat1 = -lat1, lat2 = -lat2;
  // Reduced latitudes: tan(beta) = (1 - f) tan(phi).
  const auto reduced = [](double lat, double& sb, double& cb) {
    const double phi = lat * RadiansPerDegree;
    sb = (1.0 - EarthFlattening) * std::sin(phi);
    cb = std::cos(phi);
    const double r = std::hypot(sb, cb);
    sb /= r, cb /= r;
    if (lat == -90.0) sb = -1.0, cb = 0.0;
  };
  double sb1, cb1, sb2, cb2;
  reduced(lat1, sb1, cb1);
  reduced(lat2, sb2, cb2);
  // Along the equator the equator itself is the geodesic, up to (1 - f) pi
  // of longitude; beyond that the shortest line leaves it.
  if (lat1 == 0.0 && lat2 == 0.0 && lambda <= (1.0 - EarthFlattening) * Pi) return EarthEquatorialRadiusKm * lambda;
  double distance = 0.0;
  if (cb1 == 0.0) {  // from the pole every direction is a meridian
    geodesicleg(sb1, cb1, sb2, cb2, 0.0, distance);
    return distance;
  }
  // lambda12 grows monotonically with alpha1 from 0 (north along the
  // meridian) to pi (south over the pole): bracket the azimuth and close in
  // by false position, halving whenever that stalls.
  double lo = 0.0, hi = Pi;
  double flo = -lambda, fhi = Pi - lambda;
  double alpha = 0.0;
  int stalls = 0;
  for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
    alpha = (stalls >= 2 || !(fhi > flo)) ? 0.5 * (lo + hi) : lo - flo * (hi - lo) / (fhi - flo);
    if (!(alpha > lo && alpha < hi)) alpha = 0.5 * (lo + hi);
    const double width = hi - lo;
    const double value = geodesicleg(sb1, cb1, sb2, cb2, alpha, distance) - lambda;
    if (value == 0.0) return distance;
    if (value < 0.0)
      lo = alpha, flo = value;
    else
      hi = alpha, fhi = value;
    stalls = (hi - lo > 0.5 * width) ? stalls + 1 : 0;
  }
  geodesicleg(sb1, cb1, sb2, cb2, 0.5 * (lo + hi), distance);
  return distance;
}

DishDirection DishPointing(double satelliteLongitude, double latitude, double longitude) {
  const double phi = latitude * RadiansPerDegree;
  const double delta = (longitude - satelliteLongitude) * RadiansPerDegree;
  // tan A = tan(delta) / sin(phi), the quadrant from sin(delta) and
  // cos(delta) sin(phi): beyond 90 degrees of longitude (a satellite below the
  // horizon) the tangent alone would turn the dish the opposite way.
  DishDirection d;
  d.azimuth = NormalizeDegrees(SafeAtan2(std::sin(delta), std::sin(phi) * std::cos(delta)) * DegreesPerRadian + 180.0);
  const double beta = SafeAcos(std::cos(delta) * std::cos(phi));
  d.elevation = std::atan2(std::cos(beta) - 0.1513, std::sin(beta)) * DegreesPerRadian;
  return d;
}

}  // namespace quendal
