// Places and their decimal degrees; see place.h.
#include "app/place.h"

#include <algorithm>

namespace quendal {

double signeddegrees(int degrees, int minutes, int seconds, int positive, double limit) {
  const double v = std::min(degrees + minutes / 60.0 + seconds / 3600.0, limit);
  return positive ? v : -v;
}

double latitudeof(const GeoPlace& p) {
  return signeddegrees(p.latitudedegrees, p.latitudeminutes, p.latitudeseconds, p.north, 90.0);
}

double longitudeof(const GeoPlace& p) {
  return signeddegrees(p.longitudedegrees, p.longitudeminutes, p.longitudeseconds, p.east, 180.0);
}

void clampplace(GeoPlace& p) {
  p.latitudedegrees = std::clamp(p.latitudedegrees, 0, 90);
  p.latitudeminutes = p.latitudedegrees == 90 ? 0 : std::clamp(p.latitudeminutes, 0, 59);
  p.latitudeseconds = p.latitudedegrees == 90 ? 0 : std::clamp(p.latitudeseconds, 0, 59);
  p.longitudedegrees = std::clamp(p.longitudedegrees, 0, 180);
  p.longitudeminutes = p.longitudedegrees == 180 ? 0 : std::clamp(p.longitudeminutes, 0, 59);
  p.longitudeseconds = p.longitudedegrees == 180 ? 0 : std::clamp(p.longitudeseconds, 0, 59);
  p.north = p.north ? 1 : 0;
  p.east = p.east ? 1 : 0;
}

bool iszeroplace(const GeoPlace& p) {
  return p.latitudedegrees == 0 && p.latitudeminutes == 0 && p.latitudeseconds == 0 && p.longitudedegrees == 0 &&
         p.longitudeminutes == 0 && p.longitudeseconds == 0;
}

bool sameplace(const GeoPlace& a, const GeoPlace& b) {
  return a.latitudedegrees == b.latitudedegrees && a.latitudeminutes == b.latitudeminutes &&
         a.latitudeseconds == b.latitudeseconds && a.north == b.north && a.longitudedegrees == b.longitudedegrees &&
         a.longitudeminutes == b.longitudeminutes && a.longitudeseconds == b.longitudeseconds && a.east == b.east;
}

}  // namespace quendal
