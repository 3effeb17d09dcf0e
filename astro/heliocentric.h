// The heliocentric state shared by the planetary theory (VSOP87D), the Pluto
// orbit model and the apparent-place pipeline. Units: astro/units.h.
#pragma once

#include "astro/units.h"

namespace quendal {

// Heliocentric ecliptic position and its rate, mean ecliptic and equinox of
// date: l longitude (degrees, [0, 360) up to the FK5 step of VSOP87D),
// b latitude (degrees), r radius vector (AU), then dl, db (degrees per day)
// and dr (AU per day). Without a value (see HasValue) all six are 0.
struct [[nodiscard]] HeliocentricState {
  AstroStatus status = AstroStatus::Ok;
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
  double dl = 0.0;
  double db = 0.0;
  double dr = 0.0;
};

namespace detail {

// The same state in radians (l, b; rates per day), as the engine's own
// routines compute and use it.
struct HeliocentricRadians {
  AstroStatus status = AstroStatus::Ok;
  double l = 0.0;
  double b = 0.0;
  double r = 0.0;
  double dl = 0.0;
  double db = 0.0;
  double dr = 0.0;
};

// The state in degrees of one in radians.
HeliocentricState InDegrees(const HeliocentricRadians& state);

}  // namespace detail
}  // namespace quendal
