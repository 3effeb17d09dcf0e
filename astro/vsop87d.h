// Heliocentric positions of Mercury..Neptune after the planetary theory
// VSOP87D (P. Bretagnon, G. Francou, Astron. Astrophys. 202, 309 (1988);
// Meeus, Astronomical Algorithms, 2nd ed., ch. 32), evaluated from the stored
// truncation of the published series. Units: astro/units.h.
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// Vsop87dSeries: heliocentric ecliptic L, B, R and their rates of one body.
//   tt         Julian date, dynamical time
//   body       Mercury..Neptune (the Earth included)
//   precision  0 = every stored term; up to 0.001 drops terms whose effect
//              stays below about that many radians (AU for the radius)
// Below precision 5e-7 the result is converted from the dynamical ecliptic of
// VSOP87 to the FK5 frame (Meeus eq. 32.3); L is not reduced again after that.
// Status Ok, NoPosition (another body) or BadPrecision (precision below 0
// or above 0.001); the latter two without values.
HeliocentricState Vsop87dSeries(double tt, BodyCode body, double precision = 0.0);

namespace detail {
// The same in radians.
HeliocentricRadians Vsop87dRadians(double tt, BodyCode body, double precision);
}  // namespace detail

}  // namespace quendal
