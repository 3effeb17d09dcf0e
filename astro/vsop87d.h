// Heliocentric positions of Mercury..Neptune after the planetary theory
// VSOP87D (P. Bretagnon, G. Francou, Astron. Astrophys. 202, 309 (1988);
// Meeus, Astronomical Algorithms, 2nd ed., ch. 32), evaluated from the stored
// truncation of the published series.
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// Vsop87dSeries: heliocentric ecliptic L, B, R and their rates of one body.
//   jd         Julian day, dynamical time
//   body       1..8 (Mercury..Neptune, 3 = Earth)
//   precision  0 = every stored term; up to 0.001 drops terms whose effect
//              stays below about that many radians (AU for the radius)
//   state      out: L (rad, 0..2 pi before the FK5 step), B (rad), R (AU),
//              dL/dt, dB/dt (rad/day), dR/dt (AU/day)
// Below precision 5e-7 the result is converted from the dynamical ecliptic of
// VSOP87 to the FK5 frame (Meeus eq. 32.3); L is not reduced again after that.
// Returns HeliocentricOk, HeliocentricBadBody (body outside 1..8; the state is
// untouched) or HeliocentricBadPrecision (precision below 0 or above 0.001).
int Vsop87dSeries(double jd, int body, double precision, HeliocentricState& state);

}  // namespace quendal
