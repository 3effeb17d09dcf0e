// Nutation (IAU 1980) and the obliquity of the ecliptic. Units:
// astro/units.h. Nothing is kept between calls: InstantFrame (astro/frame.h)
// holds both for one instant.
#pragma once

namespace quendal {

// Nutation in longitude (delta psi) and in obliquity (delta epsilon), degrees.
struct NutationAngles {
  double longitude = 0.0;
  double obliquity = 0.0;
};

// IAU 1980 theory of nutation, all 106 terms (Explanatory Supplement to the
// Astronomical Almanac 1992, 3.222; Meeus, Astronomical Algorithms, ch. 22).
// tt: Julian date, dynamical time.
NutationAngles Nutation(double tt);

// Mean obliquity of the ecliptic after Laskar (Meeus eq. 22.3), degrees; tt
// in dynamical time. Valid within 10000 years of J2000.
double MeanObliquity(double tt);

// True obliquity: MeanObliquity(tt) + the nutation in obliquity, degrees.
double TrueObliquity(double tt);

namespace detail {
// The nutation series in radians: out deltaEpsilon, deltaPsi.
void NutationRadians(double tt, double& deltaEpsilon, double& deltaPsi);
// Mean obliquity in radians.
double MeanObliquityRadians(double tt);
}  // namespace detail

}  // namespace quendal
