// Cached heliocentric positions of the planets.
#include "astro/planets.h"

#include "astro/pluto.h"
#include "astro/vsop87d.h"

namespace quendal {
namespace {

// Slots 1..79 (slot 0 unused). A miss replaces the slot with the smallest use
// count (the lowest-numbered on ties); counts are never reset.
struct PositionCacheSlot {
  int uses;
  int body;
  int status;
  double jd;
  double precision;
  HeliocentricState state;
};
constexpr int positioncacheslots = 79;
PositionCacheSlot positioncache[positioncacheslots + 1];

}  // namespace

int PlanetHeliocentric(double jd, int body, double precision, HeliocentricState& state) {
  if (body < 1 || body > 9) return HeliocentricBadBody;

  for (int n = 1; n <= positioncacheslots; ++n) {
    PositionCacheSlot& slot = positioncache[n];
    if (slot.jd == jd && slot.body == body && slot.precision == precision) {
      ++slot.uses;
      state = slot.state;
      return slot.status;
    }
  }

  HeliocentricState computed;
  const int status = body == BodyPluto ? PlutoHeliocentric(jd, computed)
                                       : Vsop87dSeries(jd, body, precision, computed);
  int chosen = 1;
  for (int n = 2; n <= positioncacheslots; ++n)
    if (positioncache[n].uses < positioncache[chosen].uses) chosen = n;
  PositionCacheSlot& slot = positioncache[chosen];
  ++slot.uses;
  slot.body = body;
  slot.status = status;
  slot.jd = jd;
  slot.precision = precision;
  slot.state = computed;
  state = computed;
  return status;
}

}  // namespace quendal
