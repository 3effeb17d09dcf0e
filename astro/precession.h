// Precession of ecliptic coordinates between the ecliptic and equinox of
// J2000.0 and those of a date: the rigorous transformation of Meeus,
// Astronomical Algorithms, 2nd ed., ch. 21 (eq. 21.5), with the angles eta,
// Pi and p of the IAU 2006 precession (Capitaine, Wallace and Chapront, A&A
// 412, 567 (2003); astro/data/precession_data.*), which carry both the motion
// of the equinox and that of the ecliptic. Units: astro/units.h.
#pragma once

namespace quendal {

// A direction on the ecliptic sphere, degrees.
struct EclipticDirection {
  double longitude = 0.0;  // [0, 360)
  double latitude = 0.0;
};

// From the ecliptic and equinox J2000.0 to those of the date tt (dynamical
// time), and back.
EclipticDirection EclipticOfDate(double longitude, double latitude, double tt);
EclipticDirection EclipticOfJ2000(double longitude, double latitude, double tt);

namespace detail {
// The same on radians, in place: longitude and latitude.
void PrecessFromJ2000(double tt, double& longitude, double& latitude);
void PrecessToJ2000(double tt, double& longitude, double& latitude);
}  // namespace detail

}  // namespace quendal
