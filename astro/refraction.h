// Atmospheric refraction: true altitude from apparent altitude and back.
// Units: astro/units.h (altitudes in degrees).
#pragma once

namespace quendal {

// True (geometric) altitude of an apparent altitude. Below 14.5 degrees the
// low-altitude formula of the Astronomical Almanac, R = (0.1594 + 0.0196 h +
// 0.00002 h^2) P / ((273 + T)(1 + 0.505 h + 0.0845 h^2)) degrees (no
// refraction where both h and R are negative); from 15.5 degrees
// R = 0.00452 deg P / ((273 + T) tan h); blended linearly in between.
// pressure: millibar; temperature: degrees Celsius; altitudes in degrees.
double TrueFromApparentAltitude(double pressure, double temperature, double apparentAltitude);

// Apparent altitude of a true altitude (degrees): TrueFromApparentAltitude
// inverted by the secant method until the true altitude is met within 0.1
// arcsecond. The iteration stops after ApparentAltitudeIterations steps at
// the latest and then gives the best value met. Units as above.
double ApparentAltitude(double pressure, double temperature, double trueAltitude);

inline constexpr int ApparentAltitudeIterations = 50;

}  // namespace quendal
