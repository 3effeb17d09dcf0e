// What every body seen at one instant shares: the Earth's heliocentric state,
// the nutation, the mean and true obliquity and the Greenwich sidereal time.
// The caller makes one InstantFrame per instant and hands it to BodyPosition
// for each body (astro/apparent.h); it is a plain value, computed once.
// Units: astro/units.h.
#pragma once

#include "astro/heliocentric.h"
#include "astro/nutation.h"
#include "astro/units.h"
#include "astro/vsop87d.h"

namespace quendal {

struct InstantFrame {
  Instant instant;
  HeliocentricState earth;  // VSOP87D at instant.tt
  NutationAngles nutation;  // IAU 1980 at instant.tt
  double meanObliquity = 0.0;
  double trueObliquity = 0.0;
  double meanSiderealTime = 0.0;      // Greenwich, at instant.ut, [0, 24)
  double apparentSiderealTime = 0.0;  // plus the equation of the equinoxes, [0, 24)

  // The Earth, the nutation in longitude and the true obliquity as the
  // engine's routines compute with them (radians), so that their results do
  // not depend on a conversion to degrees and back; the Earth's series with
  // their derivatives give it at the instants of the light time. Not for
  // callers.
  struct Radians {
    detail::Vsop87dExpansion earthSeries;
    detail::HeliocentricRadians earth;
    double deltaPsi = 0.0;
    double trueObliquity = 0.0;
  } radians;
};

// The frame of one instant.
[[nodiscard]] InstantFrame FrameAt(const Instant& instant);

// Apparent local sidereal time in hours [0, 24): the mean sidereal time at
// instant.ut for the longitude (east positive) plus the equation of the
// equinoxes, delta psi cos(true obliquity), of the frame (Meeus ch. 12).
double ApparentSiderealTime(const InstantFrame& frame, double longitudeEast);

}  // namespace quendal
