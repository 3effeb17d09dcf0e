// Heliocentric positions of the planets behind one operation: Mercury..Neptune
// (and the Earth) from VSOP87D, Pluto from its orbit model. Units:
// astro/units.h.
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// PlanetHeliocentric: heliocentric ecliptic position and rates of a planet.
//   tt         Julian date, dynamical time
//   body       Mercury..Pluto (the Earth included); the Sun (origin of the
//              frame) and the Moon give status NoPosition
//   precision  as for Vsop87dSeries (0 = full stored series); not used for Pluto
// Nothing is kept between calls: a caller that needs a state twice keeps it.
HeliocentricState PlanetHeliocentric(double tt, BodyCode body, double precision = 0.0);

namespace detail {
// The same in radians.
HeliocentricRadians PlanetRadians(double tt, BodyCode body, double precision = 0.0);
// The same by the direct evaluation of the VSOP87D series (the reference of
// the fast one; Pluto is the same).
HeliocentricRadians PlanetReferenceRadians(double tt, BodyCode body, double precision = 0.0);
}  // namespace detail

}  // namespace quendal
