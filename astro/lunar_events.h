// Instants of the lunar phases (Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 49) and of apogee and perigee (a search over the precise lunar
// distance).
#pragma once

namespace quendal {

// Kilometres per astronomical unit.
inline constexpr double KilometresPerAU = 149597870.691;

// JD (UT) of a phase of the Moon, Meeus ch. 49 with all periodic and the 14
// additional corrections. k: lunation number (0 = the new moon of 2000
// January 6); q: 0 new moon, 0.25 first quarter, 0.5 full moon, 0.75 last
// quarter. The dynamical instant is brought to UT with Delta T of its
// calendar month; phases in the calendar years 2000..2020 get
// (0.5 + 0.536 (year - 2001.6)) seconds added. Returns 0 for any other q.
double LunarPhase(int k, double q);

// The dynamical instant (JDE) of the same phase, before the reduction to UT;
// 0 for a q that is not a quarter.
double LunarPhaseJDE(int k, double q);

// The lunation number from which a search for the phases (or, with the day
// of the month, the eclipses) around a date steps upward:
// floor((year - 2000 + month / 12 + day / 365.25) * 12.3685) - 2. Its new
// moon lies 3..6 weeks before the end of the month (before the day), so the
// first phase of every kind at or after any instant of the month is reached;
// one lunation less would be late by up to a day for the quarters far from
// 2000 (12.3685 lunations a year is not exact).
int FirstLunationToTry(int year, int month, int day = 0);

}  // namespace quendal
