// Heliocentric position of Pluto from an orbit model of its own: a Kepler
// ellipse with polynomial mean elements, corrected by a 26-term periodic
// perturbation series in the mean longitudes of Jupiter, Saturn, Uranus,
// Neptune and Pluto. The model works on the ecliptic and equinox J2000.0;
// PlutoHeliocentric carries the position to the ecliptic and equinox of date
// so that Pluto shares the frame of the VSOP87D planets. No FK5 frame
// correction. Units: astro/units.h.
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// PlutoHeliocentric: Pluto's heliocentric L, B, R at tt (dynamical time),
// referred to the mean ecliptic and equinox of date by the rigorous
// precession of ecliptic coordinates (astro/precession.h), with rates per day
// as the difference between tt + 1 and tt.
// Status Ok; OutOfRange (values given) outside PlutoFittedFirst..
// PlutoFittedLast, where the element polynomials drift from the planet's
// motion; KeplerFailed (no values) where they describe no ellipse.
HeliocentricState PlutoHeliocentric(double tt);

// The span (JD, dynamical time) within which the model is taken as fitted:
// the years 1000..3000 (1000 January 1.0, Julian calendar, to 3000 January
// 1.0), a millennium either side of the epoch of its element polynomials
// (in powers of millennia up to the fifth). Against Chapront's theory of
// 1995 (PyEphem) its apparent places stay within 10" over 1700..2200.
inline constexpr double PlutoFittedFirst = 2086307.5;
inline constexpr double PlutoFittedLast = 2816787.5;

namespace detail {

// PlutoHeliocentric in radians.
HeliocentricRadians PlutoRadians(double tt);

// The position alone (l, b, r as PlutoRadians gives them; rates 0): one
// evaluation of the model instead of two. Status Ok or KeplerFailed.
HeliocentricRadians PlutoPositionRadians(double tt);

// An orbit described by osculating-style mean elements that two callbacks
// fill: `elements` sets i, node, perihelion, a, e, m (and jd) for an instant
// and clears the perturbation outputs; `perturbation` adjusts the longitude
// and radius of the unperturbed ellipse and sets the latitude correction.
struct OrbitModel {
  double jd = 0.0;           // instant of the last element evaluation (JD, dynamical)
  double i = 0.0;            // inclination (degrees)
  double node = 0.0;         // longitude of the ascending node (degrees)
  double perihelion = 0.0;   // argument of perihelion (degrees)
  double a = 0.0;            // semi-major axis (AU)
  double e = 0.0;            // eccentricity
  double m = 0.0;            // mean anomaly (degrees, 0..360)
  double epoch = 2451545.0;  // epoch of the element polynomials (JD)
  void (*elements)(double jd, OrbitModel& model) = nullptr;
  void (*perturbation)(double jd, OrbitModel& model) = nullptr;
  double longitude = 0.0;  // perturbed heliocentric longitude (radians)
  double radius = 0.0;     // perturbed radius vector (AU)
  double latitude = 0.0;   // latitude correction (radians)
};

// KeplerEllipsePosition: position on the model's ellipse at an instant.
//   tt      Julian date, dynamical time
//   model   the orbit; its callbacks are called when set
//   l, b    out: heliocentric ecliptic longitude (radians, 0..2 pi), latitude (radians)
//   r       out: radius vector (AU)
// Kepler's equation is solved by Newton's method to 1e-11 rad. Returns Ok,
// or KeplerFailed after 100 iterations without convergence or for elements
// of no ellipse (eccentricity outside 0..1, a semi-major axis not above 0);
// the outputs are then not set.
AstroStatus KeplerEllipsePosition(double tt, OrbitModel& model, double& l, double& b, double& r);

}  // namespace detail

}  // namespace quendal
