// The distance report: the distance between two places on a sphere and on
// the WGS84 ellipsoid, in kilometres, statute miles and nautical miles.
#pragma once

#include <string>

namespace quendal {

// One place as the distance dialog enters it.
struct DistancePoint {
  int latitudedegrees = 0;   // 0..90
  int latitudeminutes = 0;   // 0..59
  int latitudeseconds = 0;   // 0..59
  int north = 1;             // 1 north, 0 south
  int longitudedegrees = 0;  // 0..180
  int longitudeminutes = 0;  // 0..59
  int longitudeseconds = 0;  // 0..59
  int east = 1;              // 1 east, 0 west
};

struct DistanceInputs {
  DistancePoint first, second;
};

struct DistanceReport {
  std::string text;
  DistanceInputs corrected;    // each field clamped
  double latitude1 = 0.0, longitude1 = 0.0;  // signed decimal degrees used
  double latitude2 = 0.0, longitude2 = 0.0;
  std::string placename1, placename2;        // "" when the point is no configured place
  double simple = 0.0;  // km on the sphere
  double exact = 0.0;   // km on the WGS84 ellipsoid
};

// Signed decimal degrees of a point: degrees + minutes/60 + seconds/3600,
// limited to 90 (latitude) or 180 (longitude), negative south and west.
double distancelatitude(const DistancePoint& p);
double distancelongitude(const DistancePoint& p);

DistanceReport builddistancereport(const DistanceInputs& in, int language);

}  // namespace quendal
