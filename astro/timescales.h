// Time scales: Delta T, the instant on both scales, mean sidereal time (the
// apparent one needs the nutation: astro/frame.h). Units: astro/units.h.
#pragma once

#include "astro/units.h"

namespace quendal {

inline constexpr double J2000 = 2451545.0;  // JD of J2000.0
inline constexpr double DaysPerJulianCentury = 36525.0;
inline constexpr double DaysPerSecond = 1.0 / 86400.0;  // 1.1574074074074073e-5

// Delta T = TD - UT in seconds for a calendar year and month (1..12).
// Espenak and Meeus, Five Millennium Canon of Solar Eclipses (2006): the
// polynomial of the interval holding the integer year (each interval includes
// its upper bound), evaluated at y = year + (month - 0.5) / 12; after 2150 the
// variable is taken from the integer year. Before the year -500 the long-term
// parabola of the same set, -20 + 32 u^2 with u = (y - 1820) / 100.
double DeltaT(int year, int month);

// Delta T in seconds for the calendar year and month in which the UT Julian
// date jd falls (constant within a calendar month).
double DeltaTForJD(double jd);

// An instant from a UT Julian date with Delta T of DeltaTForJD(ut), or with
// the Delta T given (seconds): tt = ut + deltaT / 86400.
Instant InstantFromUT(double ut);
Instant InstantFromUT(double ut, double deltaT);

// An instant from a TT Julian date: UT with DeltaTForJD of the UT month,
// settled in two steps (Delta T is looked up by the UT date).
Instant InstantFromTT(double tt);

// Mean sidereal time in hours [0, 24), Meeus, Astronomical Algorithms,
// eq. 12.4: ut Julian date (UT); longitudeEast the place's longitude (0 for
// Greenwich).
double MeanSiderealTime(double ut, double longitudeEast);

// Local mean sidereal time in hours [0, 24) of an MJD (UT); equals
// MeanSiderealTime(mjd + 2400000.5, longitudeEast).
double LocalMeanSiderealTime(double mjd, double longitudeEast);

}  // namespace quendal
