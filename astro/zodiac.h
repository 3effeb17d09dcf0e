// Zodiac constellation of an ecliptic place (the constellation boundaries
// along the ecliptic, Ophiuchus included). Units: astro/units.h.
#pragma once

namespace quendal {

// ZodiacConstellation: lambda, beta the ecliptic longitude (any value; taken
// modulo 360) and latitude of date at tt (dynamical time). The boundaries are
// fixed to the stars: the place is first referred to the ecliptic and equinox
// of J2000.0, the epoch of the boundary longitudes (rigorous precession,
// astro/precession.h; the nutation, below 20", is left in). Returns 1..13, the
// index of the zodiac name tables: 1 Aries, 2 Taurus, 3 Gemini, 4 Cancer,
// 5 Leo, 6 Virgo, 7 Libra, 8 Scorpio, 9 Sagittarius, 10 Capricorn,
// 11 Aquarius, 12 Pisces, 13 Ophiuchus. A longitude on a boundary belongs to
// the lower interval.
int ZodiacConstellation(double lambda, double beta, double tt);

}  // namespace quendal
