// A place on the Earth as the dialogs, the configuration file and the command
// line give it: degrees, minutes and seconds of latitude and longitude with
// hemisphere flags; and its signed decimal degrees (north and east
// positive), converted in one routine.
#pragma once

namespace quendal {

struct GeoPlace {
  int latitudedegrees = 0;   // 0..90
  int latitudeminutes = 0;   // 0..59
  int latitudeseconds = 0;   // 0..59
  int north = 1;             // 1 north latitude, 0 south
  int longitudedegrees = 0;  // 0..180
  int longitudeminutes = 0;  // 0..59
  int longitudeseconds = 0;  // 0..59
  int east = 1;              // 1 east longitude, 0 west
};

// Signed decimal degrees: degrees + minutes/60 + seconds/3600, limited to
// `limit` (degrees), negated unless `positive`.
double signeddegrees(int degrees, int minutes, int seconds, int positive, double limit);

// Latitude in decimal degrees, north positive, -90..90.
double latitudeof(const GeoPlace& place);
// Longitude in decimal degrees, east positive, -180..180.
double longitudeof(const GeoPlace& place);

// Clamps the fields to their ranges: degrees 0..90 and 0..180, minutes and
// seconds 0..59 (both 0 at 90 and 180 degrees), the flags to 0 or 1.
void clampplace(GeoPlace& place);

// True when degrees, minutes and seconds of both coordinates are all 0.
bool iszeroplace(const GeoPlace& place);

// True when the two places have the same degrees, minutes, seconds and
// hemispheres.
bool sameplace(const GeoPlace& a, const GeoPlace& b);

}  // namespace quendal
