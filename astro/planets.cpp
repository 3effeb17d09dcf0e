// Heliocentric positions of the planets; see planets.h.
#include "astro/planets.h"

#include "astro/numeric.h"
#include "astro/pluto.h"
#include "astro/vsop87d.h"

namespace quendal {

HeliocentricState PlanetHeliocentric(double tt, BodyCode body, double precision) {
  return detail::InDegrees(detail::PlanetRadians(tt, body, precision));
}

namespace detail {

HeliocentricRadians PlanetRadians(double tt, BodyCode body, double precision) {
  if (body == BodyCode::Pluto) return PlutoRadians(tt);
  if (!IsPlanet(body)) return HeliocentricRadians{AstroStatus::NoPosition};
  return Vsop87dRadians(tt, body, precision);
}

HeliocentricRadians PlanetReferenceRadians(double tt, BodyCode body, double precision) {
  if (body == BodyCode::Pluto) return PlutoRadians(tt);
  if (!IsPlanet(body)) return HeliocentricRadians{AstroStatus::NoPosition};
  return Vsop87dReferenceRadians(tt, body, precision);
}

HeliocentricState InDegrees(const HeliocentricRadians& s) {
  if (!HasValue(s.status)) return HeliocentricState{s.status};
  return {s.status, s.l * DegreesPerRadian,  s.b * DegreesPerRadian,
          s.r,      s.dl * DegreesPerRadian, s.db * DegreesPerRadian,
          s.dr};
}

}  // namespace detail
}  // namespace quendal
