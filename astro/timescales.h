// Time scales: Delta T, mean and apparent sidereal time.
//
// Julian dates (JD) are days in universal time (UT) unless a name says JDE
// (dynamical time, JDE = JD + DeltaTForJD(JD) / 86400). MJD = JD - 2400000.5.
#pragma once

namespace quendal {

inline constexpr double J2000 = 2451545.0;              // JD of J2000.0
inline constexpr double DaysPerJulianCentury = 36525.0;
inline constexpr double DaysPerSecond = 1.0 / 86400.0;  // 1.1574074074074073e-5

// Delta T = TD - UT in seconds for a calendar year and month (1..12).
// Espenak and Meeus, Five Millennium Canon of Solar Eclipses (2006): the
// polynomial of the interval holding the integer year (each interval includes
// its upper bound), evaluated at y = year + (month - 0.5) / 12; after 2150 the
// variable is taken from the integer year. Years before -500 give 0.
double DeltaT(int year, int month);

// Delta T in seconds for the calendar year and month in which the UT Julian
// date jd falls (constant within a calendar month).
double DeltaTForJD(double jd);

// Sidereal time in hours, Meeus, Astronomical Algorithms, eq. 12.4.
// jd: Julian date (UT); longitude: degrees, east positive; withNutation 0
// gives the mean sidereal time in [0, 24), any other value the apparent one
// (the equation of the equinoxes, IAU 1980 nutation at JDE, added and the sum
// brought back into [0, 24)).
double SiderealTime(double jd, double longitude, int withNutation);

// Local mean sidereal time in hours [0, 24): mjd (UT), longitude in degrees
// WEST positive. Equals SiderealTime(mjd + 2400000.5, -longitude, 0).
double LocalMeanSiderealTime(double mjd, double longitudeWest);

}  // namespace quendal
