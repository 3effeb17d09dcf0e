// The Moon: age and phase, illuminated fraction, phase names, the
// low-precision position of the rise/set search, the precise geocentric
// position and the libration. Units: astro/units.h.
#pragma once

namespace quendal {

// Age and phase of the Moon: angle, the elongation of the Moon from the Sun
// counted from new moon (degrees [0, 360): 0 new moon, 90 first quarter, 180
// full moon, 270 last quarter); illuminatedFraction 0..1; days 0..29.53.
struct MoonAge {
  double angle = 0.0;
  double illuminatedFraction = 0.0;
  double days = 0.0;
};

// Age and phase by the closed-form method of Duffett-Smith, Practical
// Astronomy with your Calculator (epoch 1980 January 0.0). jd: Julian date.
MoonAge MoonPhaseSimple(double jd);

// The age angle of MoonPhaseSimple, degrees [0, 360).
double MoonAgeAngle(double jd);

// Kepler's equation E - e sin E = M by Newton's method from E = M (from pi of
// M's revolution when e >= 0.8) until the step is below 1e-10 rad, at most 50
// steps. meanAnomaly in degrees, eccentricity 0..1; returns E in degrees.
double SolveKepler(double meanAnomaly, double eccentricity);

// Illuminated fraction k of the Moon, Meeus, Astronomical Algorithms, ch. 48
// (lower accuracy). jd: Julian date. Out: phaseAngle, the Sun-Moon-Earth
// angle i in degrees [0, 180]. Returns k in [0, 1].
double MoonIllumination(double jd, double& phaseAngle);

// Phase-name index 0..7 (new moon, waxing crescent, first quarter, waxing
// gibbous, full moon, waning gibbous, last quarter, waning crescent) of an age
// angle in degrees and an illuminated percentage 0..100; the quarter names
// cover 45 % <= p < 55 %.
int MoonPhaseIndex(double ageAngle, double illuminatedPercent);

// Low-precision lunar position, Montenbruck and Pfleger, Astronomy on the
// Personal Computer (MiniMoon): fixed obliquity, a few arcminutes.
// t = (MJD - 51544.5) / 36525, Julian centuries (UT). Out: rightAscension in
// hours [0, 24), declination in degrees.
void LowPrecisionMoon(double t, double& rightAscension, double& declination);

// A geocentric place on the mean ecliptic and equinox of date (no nutation):
// longitude [0, 360) and latitude in degrees, distance in AU.
struct EclipticPosition {
  double longitude = 0.0;
  double latitude = 0.0;
  double distance = 0.0;
};

// Precise geocentric position of the Moon at tt (dynamical time). Inside
// 1221000.5..2798525.5 (-1369..2950) S. L. Moshier's harmonic series fitted to
// the JPL DE404 ephemeris, light time applied; outside it the classical series.
EclipticPosition MoonPosition(double tt);

// The classical lunar theory of Meeus, Astronomical Formulae for
// Calculators (epoch 1900 January 0.5), geometric; the distance is the
// Earth's equatorial radius over the sine of the horizontal parallax.
EclipticPosition ClassicalMoonPosition(double tt);

// Moshier's DE404 series at tt without light time: the geometric position.
EclipticPosition HarmonicMoonPosition(double tt);

// Libration of the Moon from Moshier's series (fitted to JPL DE403): the
// selenographic latitude and longitude of the Earth, optical and physical
// libration together. jd: Julian date. Out: latitude and longitude in
// degrees (the longitude carries a constant of -64" of the series' frame).
void MoonLibration(double jd, double& latitude, double& longitude);

namespace detail {
// MoonPosition in radians: out longitude [0, 2 pi), latitude; distance in AU.
void MoonPositionRadians(double tt, double& longitude, double& latitude, double& distance);
// MoonPosition's distance alone (AU), the same number at less cost.
double MoonDistance(double tt);
// MoonDistance at count instants (1..16): the same numbers, Moshier's
// series evaluated for all of them at once (about a third of the cost
// each). With estimatedLightTime the light time comes from
// ClassicalMoonDistanceEstimate: the distances then differ from
// MoonDistance's by 1e-16 of themselves (for interpolation).
void MoonDistances(const double* tt, int count, double* distance, bool estimatedLightTime = false);
// The classical series' distance alone (AU), with MoonDistanceIsClassical:
// whether MoonDistance is this one at tt (outside Moshier's span).
double ClassicalMoonDistance(double tt);
bool MoonDistanceIsClassical(double tt);
// ClassicalMoonDistance with the sines and cosines of SinCosArray, within
// 1e-15 of itself, at a third of the cost: an estimate for searches.
double ClassicalMoonDistanceEstimate(double tt);
}  // namespace detail

}  // namespace quendal
