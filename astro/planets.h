// Heliocentric positions of the planets behind one cached operation:
// Mercury..Neptune (and the Earth) from VSOP87D, Pluto from its orbit model.
#pragma once

#include "astro/heliocentric.h"

namespace quendal {

// PlanetHeliocentric: heliocentric ecliptic position and rates of a body.
//   jd         Julian day, dynamical time
//   body       1..9 (Mercury..Pluto, 3 = Earth); 0 (the Sun, origin of the
//              frame) and any other value give HeliocentricBadBody
//   precision  as for Vsop87dSeries (0 = full stored series); not used for Pluto
//   state      out: see HeliocentricState
// Results are kept in a 79-slot cache keyed by the exact (jd, body,
// precision); failures are cached like results. Returns HeliocentricOk,
// HeliocentricKeplerFailed (Pluto), HeliocentricBadBody or
// HeliocentricBadPrecision.
int PlanetHeliocentric(double jd, int body, double precision, HeliocentricState& state);

}  // namespace quendal
