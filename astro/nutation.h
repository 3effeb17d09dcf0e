// Nutation (IAU 1980) and the true obliquity of the ecliptic.
//
// Both keep a one-entry cache keyed by the exact JDE of the last call; a call
// with the identical JDE returns the stored values without recomputing.
#pragma once

namespace quendal {

// IAU 1980 theory of nutation, all 106 terms (Explanatory Supplement to the
// Astronomical Almanac 1992, 3.222; Meeus, Astronomical Algorithms, ch. 22).
// jde: Julian ephemeris date (dynamical time). Out: deltaEpsilon, the
// nutation in obliquity, and deltaPsi, the nutation in longitude, radians.
void Nutation(double jde, double& deltaEpsilon, double& deltaPsi);

// The same series without the cache.
void NutationSeries(double jde, double& deltaEpsilon, double& deltaPsi);

// Mean obliquity of the ecliptic after Laskar (Meeus eq. 22.3), radians;
// jde in dynamical time. Valid within 10000 years of J2000.
double MeanObliquity(double jde);

// True obliquity: MeanObliquity(jde) + deltaEpsilon of Nutation(jde), radians.
double TrueObliquity(double jde);

}  // namespace quendal
