// Apparent geocentric places of the Sun, the Moon and the planets Mercury to
// Pluto (after Meeus, Astronomical Algorithms, 2nd ed., ch. 25, 32, 33, 41,
// 45), with the small services built on them: equatorial places of Sun and
// Moon for a time in centuries, the schematic Moon of the sky chart and the
// parallax in altitude.
//
// All JD arguments are in dynamical time unless stated (JDE = JD UT + Delta T).
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// Light time for one astronomical unit (days).
inline constexpr double LightTimePerAU = 0.0057755183;
// Solar parallax at 1 AU (arcseconds).
inline constexpr double SolarParallax = 8.794;
// Kilometres per astronomical unit and the Earth's equatorial radius (km).
inline constexpr double KilometresPerAU = 149597870.691;
inline constexpr double EarthRadiusKm = 6378.14;

// BodyPosition: apparent place of one body at one instant.
//   jd          Julian day, dynamical time
//   body        BodyCode: -1 or 11 Moon, 0 or 10 Sun, 1, 2, 4..9 planets and Pluto
//   lightTime   0 geometric place; otherwise the place seen along the light
//               path: the planet at jd - tau, its direction taken from the
//               Earth at jd - tau as well, which adds the annual aberration
//               (planetary aberration); for the Sun the Earth at jd - tau in
//               two passes. The Moon is always geometric (its light time is
//               part of its series).
// Out:
//   ra, dec       right ascension (hours, 0..24), declination (degrees), of
//                 date with nutation in longitude and the true obliquity
//   distance      geocentric distance (AU)
//   elongation    Sun-Earth-body angle (degrees)
//   illuminated   illuminated part of the disc (percent)
//   magnitude     visual magnitude
//   diameter      apparent diameter (arcseconds)
//   lambda, beta  apparent geocentric ecliptic longitude (degrees, 0..360)
//                 and latitude (degrees)
// A body code outside the accepted set (also 3, the Earth) or a failed
// heliocentric evaluation sets ra = dec = 0 and leaves the other outputs
// untouched. The distance of a planet is the length of the light path to the
// Earth at jd.
void BodyPosition(double jd, int body, double& ra, double& dec, double& distance,
                  double& elongation, double& illuminated, double& magnitude, double& diameter,
                  double& lambda, double& beta, int lightTime);

// Apparent right ascension (hours) and declination (degrees) of the Sun
// (light time on) and of the Moon (geometric) at T Julian centuries from
// J2000.0 in universal time; Delta T is added internally.
void SunEquatorialAtT(double t, double& ra, double& dec);
void MoonEquatorialAtT(double t, double& ra, double& dec);

// MoonChartPosition: the Earth's heliocentric state at jdEarth (dynamical
// time) with the Moon's schematic offset for the lunar age at jdAge: the
// longitude decreased by (2 pi / 56) sin a, the radius vector by cos(a) / 7 AU,
// a the age angle. The offsets are exaggerated for a chart of the solar
// system. precision as for PlanetHeliocentric. Returns its status.
int MoonChartPosition(double jdEarth, double jdAge, double precision, HeliocentricState& state);

// AltitudeParallax: geocentric altitude (degrees) corrected for parallax.
//   body      BodyCode (the Moon as -1 or 11)
//   altitude  geocentric altitude (degrees)
//   distance  geocentric distance (AU)
//   diameter  apparent diameter (arcseconds); for the Moon the altitude is
//             first lowered by diameter / 3600 degrees
// Returns h - p cos h (degrees), p the horizontal parallax: asin(Earth radius /
// distance) for the Moon, 8.794"/distance for every other body.
double AltitudeParallax(int body, double altitude, double distance, double diameter);

}  // namespace quendal
