// Instants of the lunar phases (Meeus, Astronomical Algorithms, 2nd ed.,
// ch. 49) and of apogee and perigee (a search over the precise lunar
// distance).
// Units: astro/units.h.
#pragma once

namespace quendal {

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

// Apogee (mode > 0) or perigee (mode < 0) of the Moon, found by a walk with
// halving steps over the geocentric distance of MoonPosition: x = start in
// dynamical time, step 1 day; twelve passes, each after the first starting
// one old step before the best instant with half the step; pass 0 walks up
// to 27 steps, later passes up to 9; a pass ends early when the distance
// turns away from the extremum by more than 10,000 km (so the first pass
// walks through the short-period wiggles). At most 28 + 11 x 10 distance
// evaluations.
// start: JD (UT); out distance: km at the apsis; out evaluations: the number
// of distance evaluations. Returns the JD (UT) of the apsis; 0 for mode 0,
// which leaves both outs untouched. The apsis found is the extreme of the
// 27 days after start, so callers start about 10 days before the instant of
// interest and restart 10 days later while the result lies before it.
double ApsisSearch(double start, double& distance, int& evaluations, int mode);

// The first apogee (mode > 0) or perigee (mode < 0) not earlier than jd (UT),
// found as the moon report does: ApsisSearch from jd - 10 days, restarted 10
// days later while the result lies before jd (at most 12 restarts). Out
// distance (km) and evaluations (summed over the searches) as for
// ApsisSearch. Returns 0 for mode 0 (outs untouched).
double NextApsis(double jd, double& distance, int& evaluations, int mode);

// The lunation number from which a search for the phases (or, with the day
// of the month, the eclipses) around a date steps upward:
// floor((year - 2000 + month / 12 + day / 365.25) * 12.3685) - 2. Its new
// moon lies 3..6 weeks before the end of the month (before the day), so the
// first phase of every kind at or after any instant of the month is reached;
// one lunation less would be late by up to a day for the quarters far from
// 2000 (12.3685 lunations a year is not exact).
int FirstLunationToTry(int year, int month, int day = 0);

}  // namespace quendal
