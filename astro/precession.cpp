// Precession of ecliptic coordinates; see precession.h.
#include "astro/precession.h"

#include <cmath>

#include "astro/data/precession_data.h"
#include "astro/numeric.h"

namespace quendal {
namespace {

constexpr double radianspersecond = RadiansPerDegree / 3600.0;

// eta, Pi and p (radians) from J2000.0 to the date tt.
struct Angles {
  double eta, node, p;
};

Angles AnglesAt(double tt) {
  const double t = (tt - 2451545.0) / 36525.0;
  double value[3];
  for (int n = 0; n < 3; ++n) {
    const double* c = PrecessionAngles[n].c;
    double sum = 0.0;
    for (int k = 5; k >= 0; --k) sum = sum * t + c[k];
    value[n] = sum * radianspersecond;
  }
  return {value[PrecessionEta], value[PrecessionNode], value[PrecessionP]};
}

// Meeus eq. 21.5 as a turn about the line of nodes of the two ecliptics: the
// direction (longitude w counted from the node, latitude b; radians) turned
// by eta (forward, J2000.0 to the date) or by -eta (back). Out: the change of
// the longitude counted from the node and the new latitude. Written as a
// change, so that eta = 0 changes nothing at all.
void TurnAboutTheNode(double w, double b, double eta, double& change, double& latitude) {
  const double cb = std::cos(b), sb = std::sin(b);
  const double cw = std::cos(w), sw = std::sin(w);
  const double se = std::sin(eta), half = std::sin(0.5 * eta);
  const double ce1 = -2.0 * half * half;  // cos(eta) - 1
  // The turned vector (cb cw, cb sw cos eta + sb sin eta, ...) in the frame
  // of the old direction w.
  const double y = cb * sw * cw * ce1 + se * sb * cw;
  const double x = cb * (cw * cw + (1.0 + ce1) * sw * sw) + se * sb * sw;
  change = std::atan2(y, x);
  latitude = SafeAsin(-se * cb * sw + (1.0 + ce1) * sb);
}

}  // namespace

namespace detail {

void PrecessFromJ2000(double tt, double& longitude, double& latitude) {
  const Angles a = AnglesAt(tt);
  double change;
  TurnAboutTheNode(longitude - a.node, latitude, a.eta, change, latitude);
  longitude = NormalizeRadians(longitude + a.p + change);
}

void PrecessToJ2000(double tt, double& longitude, double& latitude) {
  const Angles a = AnglesAt(tt);
  double change;
  TurnAboutTheNode(longitude - a.p - a.node, latitude, -a.eta, change, latitude);
  longitude = NormalizeRadians(longitude - a.p + change);
}

}  // namespace detail

EclipticDirection EclipticOfDate(double longitude, double latitude, double tt) {
  const Angles a = AnglesAt(tt);
  double change, b;
  TurnAboutTheNode((longitude * RadiansPerDegree) - a.node, latitude * RadiansPerDegree, a.eta, change, b);
  return {NormalizeDegrees(longitude + (a.p + change) * DegreesPerRadian), b * DegreesPerRadian};
}

EclipticDirection EclipticOfJ2000(double longitude, double latitude, double tt) {
  const Angles a = AnglesAt(tt);
  double change, b;
  TurnAboutTheNode(longitude * RadiansPerDegree - a.p - a.node, latitude * RadiansPerDegree, -a.eta, change, b);
  return {NormalizeDegrees(longitude + (change - a.p) * DegreesPerRadian), b * DegreesPerRadian};
}

}  // namespace quendal
