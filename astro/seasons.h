// Equinoxes and solstices, Meeus, Astronomical Algorithms, 2nd ed., ch. 27.
// Units: astro/units.h.
#pragma once

namespace quendal {

// JD (UT) of the beginning of a season of a year: season 1 March equinox,
// 2 June solstice, 3 September equinox, 4 December solstice; 0 for any other
// season. year: astronomical year number. The mean instant is always taken
// from Meeus Table 27.B (the table for +1000..+3000), corrected by the 24
// periodic terms of Table 27.C; the dynamical instant is brought to UT with
// DeltaTForJD.
double SeasonBegin(int year, int season);

}  // namespace quendal
