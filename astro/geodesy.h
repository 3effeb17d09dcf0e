// Distances on the Earth and the pointing of a dish at a geostationary
// satellite. Pure functions without state. Units: astro/units.h.
#pragma once

namespace quendal {

// WGS84: equatorial radius (km) and flattening.
inline constexpr double EarthEquatorialRadiusKm = 6378.137;
inline constexpr double EarthFlattening = 1.0 / 298.257223563;

// Great-circle distance on a sphere of radius 6378.137 km.
// Longitudes in degrees east positive (clamped to -180..180), latitudes in
// degrees north positive (clamped to -90..90). Result in kilometres.
double SphereDistance(double lon1, double lat1, double lon2, double lat2);

// Distance on the WGS84 ellipsoid: the length of the shortest geodesic,
// by Bessel's auxiliary sphere with the distance and longitude integrals
// summed as cosine series (Karney, Algorithms for geodesics, 2013) and the
// departure azimuth found by a bracketed search; accurate to well below a
// millimetre everywhere, antipodes included. Arguments as for
// SphereDistance; result in kilometres. Identical points give exactly 0, as
// do equal latitudes at longitudes 180 and -180 and two points on one pole.
double EllipsoidDistance(double lon1, double lat1, double lon2, double lat2);

// Half the length of a WGS84 meridian (pole to pole), km.
double HalfMeridianKm();

// Azimuth and elevation of a dish pointed at a geostationary satellite
// (degrees).
struct DishDirection {
  double azimuth = 0.0;    // from north through east, [0, 360)
  double elevation = 0.0;  // below DishElevationLimit the satellite is out of range
};

// satelliteLongitude: the satellite's position, degrees east positive;
// latitude, longitude: the dish, degrees north and east positive.
DishDirection DishPointing(double satelliteLongitude, double latitude, double longitude);

inline constexpr double DishElevationLimit = 5.0;  // degrees

}  // namespace quendal
