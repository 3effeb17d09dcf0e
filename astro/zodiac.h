// Zodiac constellation of an ecliptic longitude (the constellation
// boundaries along the ecliptic, Ophiuchus included).
#pragma once

namespace quendal {

// ZodiacConstellation: lambda ecliptic longitude in degrees (any value; taken
// modulo 360). Returns 1..13, the index of the zodiac name tables: 1 Aries,
// 2 Taurus, 3 Gemini, 4 Cancer, 5 Leo, 6 Virgo, 7 Libra, 8 Scorpio,
// 9 Sagittarius, 10 Capricorn, 11 Aquarius, 12 Pisces, 13 Ophiuchus. A
// longitude on a boundary belongs to the lower interval.
int ZodiacConstellation(double lambda);

}  // namespace quendal
