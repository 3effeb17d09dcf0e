// The Sun without the planetary theory: the low-precision position of the
// rise/set search and the equation of time with its graph row and turning
// points.
// Units: astro/units.h.
#pragma once

namespace quendal {

// Low-precision solar position, Montenbruck and Pfleger, Astronomy on the
// Personal Computer (MiniSun): fixed obliquity, no nutation; about 1'.
// t: Julian centuries from J2000.0, t = (MJD - 51544.5) / 36525 with the UT MJD.
// Out: rightAscension in hours [0, 24), declination in degrees.
void LowPrecisionSun(double t, double& rightAscension, double& declination);

// Equation of time by W. M. Smart's formula (Meeus, Astronomical Algorithms,
// eq. 28.3), mean obliquity, no nutation. jd: Julian date. Result in minutes
// of time, positive when apparent solar time is ahead of mean time.
double EquationOfTime(double jd);

// Pixel row of the equation-of-time graph: +-21 minutes span a plot of
// height pixels, 0 at the top (E = +21 min or more), height at the bottom.
// Out: equation, E of jd in minutes. Returns the row, 0..height.
int EquationOfTimeRow(double jd, int height, double& equation);

// Local turning point of the equation of time, found by a walk from startJd
// with halving steps (1 day, 18 passes, at most 99 steps a pass).
// mode >= 1: maximum of E; mode 0: minimum of |E| (a zero crossing);
// mode < 0: minimum of E. Out: value, the E (minutes; |E| for mode 0) at the
// result. evaluations is increased by one for every evaluation of E.
// Returns the JD of the turning point.
double EquationOfTimeExtremum(double startJd, double& value, int& evaluations, int mode);

}  // namespace quendal
