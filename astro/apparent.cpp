// Apparent places of Sun, Moon and planets (Meeus, Astronomical Algorithms,
// ch. 25, 33, 41, 45): light time and aberration, geocentric ecliptic
// coordinates, nutation, equatorial coordinates with the true obliquity,
// phase, magnitude and apparent diameter.
#include "astro/apparent.h"

#include <cmath>

#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/planets.h"
#include "astro/pluto.h"

namespace quendal {
namespace {

struct Vector {
  double x, y, z;
};

Vector Rectangular(double l, double b, double r) {
  const double cb = std::cos(b);
  return {r * cb * std::cos(l), r * cb * std::sin(l), r * std::sin(b)};
}

Vector Difference(const Vector& a, const Vector& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

double Length(const Vector& v) { return SafeSqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

// Magnitude laws (r, delta in AU, phase angle i in degrees) and the apparent
// diameter at 1 AU (arcseconds) of Mercury..Pluto, indexed by BodyCode;
// Saturn's ring term is added separately.
struct PlanetPhotometry {
  double m0, c1, c2, c3;  // m0 + 5 log10(r delta) + c1 i + c2 i^2 + c3 i^3
  double diameter;
};
constexpr PlanetPhotometry photometry[10] = {
    {0.0, 0.0, 0.0, 0.0, 0.0},
    {-0.42, 0.038, -0.000273, 0.000002, 6.72},      // Mercury
    {-4.40, 0.0009, 0.000239, -0.00000065, 16.82},  // Venus
    {0.0, 0.0, 0.0, 0.0, 0.0},                      // Earth
    {-1.52, 0.016, 0.0, 0.0, 9.36},                 // Mars
    {-9.40, 0.005, 0.0, 0.0, 184.12},               // Jupiter
    {-8.88, 0.044, 0.0, 0.0, 147.64},               // Saturn
    {-7.19, 0.0, 0.0, 0.0, 70.04},                  // Uranus
    {-6.87, 0.0, 0.0, 0.0, 67.0},                   // Neptune
    {-1.0, 0.0, 0.0, 0.0, 4.14},                    // Pluto
};

// Saturnicentric latitude of the Earth referred to the ring plane (radians)
// for the geocentric ecliptic lambda, beta (radians) at tt (Meeus ch. 45).
double SaturnRingTilt(double tt, double lambda, double beta) {
  const double t = (tt - 2451545.0) / 36525.0;
  const double inclination = (28.075216 - 0.012998 * t + 0.000004 * t * t) * RadiansPerDegree;
  const double node = (169.50847 + 1.394681 * t + 0.000412 * t * t) * RadiansPerDegree;
  return SafeAsin(std::sin(inclination) * std::cos(beta) * std::sin(lambda - node) -
                  std::cos(inclination) * std::sin(beta));
}

// The apparent place with the heliocentric positions from two sources:
// planetAt(dt) and earthAt(dt) give the body and the Earth at tt + dt (dt 0
// or minus a light time), earth the Earth at tt.
template <class PlanetAt, class EarthAt>
ApparentPlace Apparent(const InstantFrame& frame, BodyCode body, bool lightTime,
                       const detail::HeliocentricRadians& earth, const PlanetAt& planetAt, const EarthAt& earthAt) {
  ApparentPlace place;
  if (!(body == BodyCode::Sun || body == BodyCode::Moon || IsPlanet(body)) || body == BodyCode::Earth) {
    place.status = AstroStatus::NoPosition;
    return place;
  }
  if (!HasValue(earth.status)) {
    place.status = earth.status;
    return place;
  }
  const double tt = frame.instant.tt;

  double l = 0.0;  // geocentric ecliptic longitude and latitude (radians), of date
  double b = 0.0;
  double delta = 0.0;
  double r = 0.0;  // heliocentric radius vector of the body (AU)
  // The Earth at tt, also for the Moon (its magnitude needs the Sun's distance).
  const double earthradius = earth.r;
  const Vector earthvector = Rectangular(earth.l, earth.b, earth.r);

  if (body == BodyCode::Moon) {
    detail::MoonPositionRadians(tt, l, b, delta);
  } else {
    detail::HeliocentricRadians planet;
    if (body != BodyCode::Sun) {
      planet = planetAt(0.0);
      place.status = planet.status;
      place.heliocentric = detail::InDegrees(planet);
      if (!HasValue(planet.status)) return ApparentPlace{planet.status};
    }
    Vector g = Difference(Rectangular(planet.l, planet.b, planet.r), earthvector);
    r = planet.r;
    Vector direction = g;
    if (lightTime) {
      if (body == BodyCode::Sun) {
        // The Earth at the instant the light left the Sun, in two passes.
        for (int pass = 0; pass < 2; ++pass) {
          const detail::HeliocentricRadians e = earthAt(-(LightTimePerAU * Length(g)));
          const Vector v = Rectangular(e.l, e.b, e.r);
          g = {-v.x, -v.y, -v.z};
        }
        direction = g;
      } else {
        const double tau = LightTimePerAU * Length(g);
        planet = planetAt(-tau);
        if (HasValue(planet.status)) {
          const Vector p = Rectangular(planet.l, planet.b, planet.r);
          g = Difference(p, earthvector);
          r = planet.r;
          // Seen from where the Earth was when the light left: the Earth's
          // motion during tau adds the annual aberration to the light time
          // (planetary aberration, as for the Sun). The distance stays that
          // of the light path to the Earth at tt.
          const detail::HeliocentricRadians e = earthAt(-tau);
          direction = Difference(p, Rectangular(e.l, e.b, e.r));
        }
      }
    }
    delta = Length(g);
    g = direction;
    const double xy = g.x * g.x + g.y * g.y;
    if (xy > 1e-35) {
      l = SafeAtan2(g.y, g.x);
      b = SafeAtan2(g.z, std::sqrt(xy));
    } else {
      l = 0.0;
      b = g.z > 0.0 ? 0.5 * Pi : (g.z < 0.0 ? -0.5 * Pi : 0.0);
    }
  }
  place.distance = delta;

  if (body == BodyCode::Sun) {
    place.illuminated = 100.0;
    place.diameter = 1919.26 / delta;  // delta is the light-time corrected Earth's radius vector
    place.magnitude = -26.8;
  } else if (body == BodyCode::Moon) {
    double phase = 0.0;
    place.illuminated = 100.0 * MoonIllumination(tt, phase);
    place.elongation = 180.0 - phase;
    place.diameter = 112422.0 / (delta * KilometresPerAU / EarthRadiusKm);
    place.magnitude =
        0.23 + 5.0 * std::log10(earthradius * delta) + 0.026 * phase + 4e-9 * phase * phase * phase * phase;
  } else {
    const double cospsi = (earthradius * earthradius + delta * delta - r * r) / (2.0 * earthradius * delta);
    place.elongation = SafeAcos(cospsi) * DegreesPerRadian;
    const double cosi = (r * r + delta * delta - earthradius * earthradius) / (2.0 * r * delta);
    place.illuminated = 50.0 * (1.0 + cosi);
    const double i = SafeAcos(cosi) * DegreesPerRadian;
    const PlanetPhotometry& p = photometry[static_cast<int>(body)];
    place.magnitude = p.m0 + 5.0 * std::log10(r * delta) + ((p.c3 * i + p.c2) * i + p.c1) * i;
    if (body == BodyCode::Saturn) {
      const double tilt = std::sin(SaturnRingTilt(tt, l, b));
      place.magnitude += -2.60 * std::fabs(tilt) + 1.25 * tilt * tilt;
    }
    place.diameter = p.diameter / delta;
  }

  // Nutation in longitude and the true obliquity of date.
  const double epsilon = frame.radians.trueObliquity;
  l += frame.radians.deltaPsi;
  const double se = std::sin(epsilon);
  const double ce = std::cos(epsilon);
  place.ra = NormalizeRadians(SafeAtan2(std::sin(l) * ce - std::tan(b) * se, std::cos(l))) * DegreesPerRadian / 15.0;
  place.dec = SafeAsin(std::sin(b) * ce + std::cos(b) * se * std::sin(l)) * DegreesPerRadian;
  place.lambda = NormalizeRadians(l) * DegreesPerRadian;
  place.beta = b * DegreesPerRadian;
  return place;
}

}  // namespace

// The fast path evaluates each series once per instant: the Earth's in the
// frame, the planet's here, both with their first three derivatives, and
// takes the positions at tt - tau (light time, and the Earth for the
// aberration) from their Taylor polynomials. The fourth-order term left out
// stays below 1e-13 rad and AU for the planets within their light times and
// 3e-11 AU for the Earth at 0.3 day (Pluto's); what else differs from the
// direct evaluation (ReferenceBodyPosition) is rounding: of the instant
// tt - tau there, of the series' large arguments far from J2000. The tests
// compare the two over the years 100..9999: within 0.0001" and about 1e-10
// AU. Pluto, not a series, is evaluated at tt - tau anew (without its
// rates).
ApparentPlace BodyPosition(const InstantFrame& frame, BodyCode body, bool lightTime) {
  const double tt = frame.instant.tt;
  detail::Vsop87dExpansion series;
  if (IsPlanet(body) && body != BodyCode::Pluto && body != BodyCode::Earth) series = detail::ExpandVsop87d(tt, body);
  const auto planetAt = [&](double dt) {
    if (body == BodyCode::Pluto) return dt == 0.0 ? detail::PlutoRadians(tt) : detail::PlutoPositionRadians(tt + dt);
    return detail::Vsop87dAt(series, dt);
  };
  const auto earthAt = [&](double dt) { return detail::Vsop87dAt(frame.radians.earthSeries, dt); };
  return Apparent(frame, body, lightTime, frame.radians.earth, planetAt, earthAt);
}

ApparentPlace ReferenceBodyPosition(const InstantFrame& frame, BodyCode body, bool lightTime) {
  const double tt = frame.instant.tt;
  const auto planetAt = [&](double dt) { return detail::PlanetReferenceRadians(tt + dt, body); };
  const auto earthAt = [&](double dt) { return detail::PlanetReferenceRadians(tt + dt, BodyCode::Earth); };
  return Apparent(frame, body, lightTime, earthAt(0.0), planetAt, earthAt);
}

HeliocentricState MoonChartPosition(double ttEarth, double jdAge, double precision) {
  detail::HeliocentricRadians state = detail::PlanetRadians(ttEarth, BodyCode::Earth, precision);
  if (!HasValue(state.status)) return HeliocentricState{state.status};
  const double a = MoonAgeAngle(jdAge) * RadiansPerDegree;
  state.l -= TwoPi / 56.0 * std::sin(a);
  state.r -= std::cos(a) / 7.0;
  return detail::InDegrees(state);
}

double AltitudeParallax(BodyCode body, double altitude, double distance) {
  const double parallax = body == BodyCode::Moon
                              ? SafeAsin(EarthRadiusKm / (distance * KilometresPerAU)) * DegreesPerRadian
                              : SolarParallax / 3600.0 / distance;
  return altitude - parallax * CosDeg(altitude);
}

}  // namespace quendal
