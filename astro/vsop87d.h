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

// The series of one body at one instant with their first three derivatives,
// before the FK5 step: value L, B (radians, L not reduced), R (AU) and the
// derivatives per day, per day^2 and per day^3, all from the sines and
// cosines of the one evaluation. Vsop87dRadians is Vsop87dAt(expansion, 0).
struct Vsop87dExpansion {
  AstroStatus status = AstroStatus::Ok;  // as for Vsop87dSeries
  double tt = 0.0;
  double value[3] = {};  // L, B, R
  double first[3] = {};
  double second[3] = {};
  double third[3] = {};
  bool fk5 = true;  // precision below 5e-7: the FK5 step applies
};
Vsop87dExpansion ExpandVsop87d(double tt, BodyCode body, double precision = 0.0);

// The position at tt + dt (days) from the expansion's Taylor polynomial, the
// FK5 step applied at that instant; rates at tt + dt. Within a light time
// the term of the fourth order left out stays below 1e-13 radian and AU for
// the planets (dt up to 0.18 day) and below 3e-11 for the Earth (dt up to
// 0.3 day; its monthly motion about the Earth-Moon barycentre).
HeliocentricRadians Vsop87dAt(const Vsop87dExpansion& expansion, double dt);

// The direct evaluation: every term's cosine (and sine for the rates) from
// the library, one sum per series. The fast path is checked against it.
HeliocentricRadians Vsop87dReferenceRadians(double tt, BodyCode body, double precision);

}  // namespace detail

}  // namespace quendal
