// Apparent geocentric places of the Sun, the Moon and the planets Mercury to
// Pluto (after Meeus, Astronomical Algorithms, 2nd ed., ch. 25, 32, 33, 41,
// 45), with the small services built on them: the schematic Moon of the sky
// chart and the parallax in altitude. Units: astro/units.h.
#pragma once

#include "astro/frame.h"
#include "astro/heliocentric.h"
#include "astro/units.h"

namespace quendal {

// Light time for one astronomical unit (days).
inline constexpr double LightTimePerAU = 0.0057755183;
// Solar parallax at 1 AU (arcseconds).
inline constexpr double SolarParallax = 8.794;
// Kilometres per astronomical unit and the Earth's equatorial radius (km).
inline constexpr double KilometresPerAU = 149597870.691;
inline constexpr double EarthRadiusKm = 6378.14;

// The apparent place of one body at one instant.
//   ra, dec       right ascension (hours, [0, 24)) and declination (degrees),
//                 of date with nutation in longitude and the true obliquity
//   distance      geocentric distance (AU); for a planet the length of the
//                 light path to the Earth at the instant
//   elongation    Sun-Earth-body angle (degrees)
//   illuminated   illuminated part of the disc (percent)
//   magnitude     visual magnitude
//   diameter      apparent diameter (arcseconds)
//   lambda, beta  apparent geocentric ecliptic longitude (degrees, [0, 360))
//                 and latitude (degrees)
//   heliocentric  the planet's heliocentric state at the instant (without
//                 light time); status NoPosition for the Sun and the Moon
// Status NoPosition for the Earth; a planet's heliocentric status otherwise
// (Pluto: OutOfRange with values, KeplerFailed without). Without a value
// every number is 0.
struct [[nodiscard]] ApparentPlace {
  AstroStatus status = AstroStatus::Ok;
  double ra = 0.0;
  double dec = 0.0;
  double distance = 0.0;
  double elongation = 0.0;
  double illuminated = 0.0;
  double magnitude = 0.0;
  double diameter = 0.0;
  double lambda = 0.0;
  double beta = 0.0;
  HeliocentricState heliocentric{AstroStatus::NoPosition};
};

// BodyPosition: apparent place of one body at the frame's instant (its tt;
// the Earth, nutation and obliquity are the frame's).
//   lightTime  false: the geometric place; true: the place seen along the
//              light path: the planet at tt - tau, its direction taken from
//              the Earth at tt - tau as well, which adds the annual
//              aberration (planetary aberration); for the Sun the Earth at
//              tt - tau in two passes. The Moon is always geometric (its
//              light time is part of its series).
// Each series is evaluated once per instant (the Earth's in the frame): the
// positions at tt - tau come from its derivatives. Within 0.0001" and about
// 1e-10 AU of ReferenceBodyPosition.
ApparentPlace BodyPosition(const InstantFrame& frame, BodyCode body, bool lightTime = true);

// ReferenceBodyPosition: the same place by direct evaluation: the series of
// the planet and the Earth evaluated anew at every instant the place needs
// (tt, tt - tau), the Earth at tt too instead of the frame's, every term by
// the library's sine and cosine. Several times slower; BodyPosition is
// checked against it, and it gives the full digits of a single place.
ApparentPlace ReferenceBodyPosition(const InstantFrame& frame, BodyCode body, bool lightTime = true);

// MoonChartPosition: the Earth's heliocentric state at ttEarth (dynamical
// time) with the Moon's schematic offset for the lunar age at jdAge: the
// longitude decreased by (360 / 56) sin a degrees, the radius vector by
// cos(a) / 7 AU, a the age angle. The offsets are exaggerated for a chart of
// the solar system. precision as for PlanetHeliocentric; the status is the
// Earth's.
HeliocentricState MoonChartPosition(double ttEarth, double jdAge, double precision = 0.0);

// AltitudeParallax: the topocentric altitude of a body's centre from its
// geocentric altitude, to first order in the horizontal parallax (for the
// Moon the neglected terms and the Earth's flattening, which Meeus,
// Astronomical Algorithms, ch. 40 keeps, make up to about 0.016 degrees).
//   altitude  geocentric altitude of the centre (degrees)
//   distance  geocentric distance (AU)
// Returns h - p cos h (degrees), p the horizontal parallax: asin(Earth radius /
// distance) for the Moon, 8.794"/distance for every other body.
double AltitudeParallax(BodyCode body, double altitude, double distance);

}  // namespace quendal
