// The distance report: the distance between two places on a sphere and on
// the WGS84 ellipsoid, in kilometres, statute miles and nautical miles.
#pragma once

#include <string>

#include "app/configuration.h"
#include "app/place.h"
#include "calendar/text.h"

namespace quendal {

// The units of the report's miles.
inline constexpr double statutemilesperkm = 0.621371192237334;
inline constexpr double nauticalmilesperkm = 0.5399568034557235;

// The two places as the distance dialog enters them: degrees, minutes and
// seconds, each limited to its range (90 or 180 degrees, 59), and the signed
// decimal degrees (latitudeof, longitudeof) limited to 90 and 180.
struct DistanceInputs {
  GeoPlace first, second;
  LocationTable places = presetlocationtable();  // the configured places, for their names
};

struct DistanceReport {
  std::string text;
  DistanceInputs corrected;                  // each field clamped
  double latitude1 = 0.0, longitude1 = 0.0;  // signed decimal degrees used
  double latitude2 = 0.0, longitude2 = 0.0;
  std::string placename1, placename2;  // "" when the point is no configured place
  double simple = 0.0;                 // km on the sphere
  double exact = 0.0;                  // km on the WGS84 ellipsoid
};

DistanceReport builddistancereport(const DistanceInputs& in, Language language);

}  // namespace quendal
