// The satellite dish and distance reports: golden texts in both languages,
// the satellite names, the out-of-range warning, place recognition, and the
// pointing checked against an independent vector computation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/configuration.h"
#include "calendar/text.h"
#include "reports/dish_report.h"
#include "reports/distance_report.h"

using namespace quendal;

namespace {

bool contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

DishInputs dish(int degrees, int tenths, int east, int latd, int latm, int north, int lond, int lonm,
                int lonEast, int north_based = 0) {
  DishInputs in;
  in.satellitedegrees = degrees;
  in.satellitetenths = tenths;
  in.satelliteeast = east;
  in.place.latitudedegrees = latd;
  in.place.latitudeminutes = latm;
  in.place.north = north;
  in.place.longitudedegrees = lond;
  in.place.longitudeminutes = lonm;
  in.place.east = lonEast;
  in.azimuthnorth = north_based;
  return in;
}

GeoPlace point(int latd, int latm, int lats, int north, int lond, int lonm, int lons, int east) {
  GeoPlace p;
  p.latitudedegrees = latd;
  p.latitudeminutes = latm;
  p.latitudeseconds = lats;
  p.north = north;
  p.longitudedegrees = lond;
  p.longitudeminutes = lonm;
  p.longitudeseconds = lons;
  p.east = east;
  return p;
}

// Azimuth (from north) and elevation of a geostationary satellite by vectors:
// observer on a sphere of radius 1, satellite on the equator at 1/0.1513.
void vectorpointing(double satelliteEast, double latitude, double longitude, double& azimuth,
                    double& elevation) {
  const double d = M_PI / 180.0;
  const double ox = std::cos(latitude * d) * std::cos(longitude * d);
  const double oy = std::cos(latitude * d) * std::sin(longitude * d);
  const double oz = std::sin(latitude * d);
  const double r = 1.0 / 0.1513;
  const double sx = r * std::cos(satelliteEast * d) - ox;
  const double sy = r * std::sin(satelliteEast * d) - oy;
  const double sz = -oz;
  const double up = sx * ox + sy * oy + sz * oz;
  const double east = -sx * std::sin(longitude * d) + sy * std::cos(longitude * d);
  const double north = -sx * std::sin(latitude * d) * std::cos(longitude * d) -
                       sy * std::sin(latitude * d) * std::sin(longitude * d) + sz * std::cos(latitude * d);
  elevation = std::atan2(up, std::hypot(east, north)) / d;
  azimuth = std::atan2(east, north) / d;
  if (azimuth < 0.0) azimuth += 360.0;
}


}  // namespace

TEST(ReportsGeodesy, DishGoldenGerman) {
  EXPECT_EQ(builddishreport(dish(19, 2, 1, 48, 0, 1, 16, 0, 1), german).text,
            "\r\n Für die Koordinaten "
            "\r\n  48 Grad  0 Min. Nord   48.000 Grad Nord "
            "\r\n  16 Grad  0 Min. Ost    16.000 Grad Ost  "
            "\r\n\r\n Ausrichtung der Antenne für die "
            "\r\n SAT-Position 19.2 Grad Ost: "
            "\r\n\r\n = Astra 1 "
            "\r\n\r\n Azimuth:    355.70 Grad "
            "\r\n Elevation:   34.78 Grad "
            "\r\n\r\n Elevation = Höhenwinkel "
            "\r\n Azimuth   = Orientierung (Himmelsrichtung) "
            "\r\n\r\n Süd  =   0 Grad, West =  90 Grad "
            "\r\n Nord = 180 Grad, Ost  = 270 Grad ");
}

TEST(ReportsGeodesy, DishGoldenEnglishNorthBasedAtConfiguredPlace) {
  // The default place (entry 0) is recognised by degrees, minutes, hemispheres.
  EXPECT_EQ(builddishreport(dish(13, 0, 1, 48, 12, 1, 15, 37, 1, 1), english).text,
            "\r\n For the Location Sankt Pölten (Austria) "
            "\r\n  48 Deg. 12 Min. North   48.200 Deg. North "
            "\r\n  15 Deg. 37 Min. East    15.617 Deg. East  "
            "\r\n\r\n Orientation of the Antenna for the "
            "\r\n SAT-Position 13.0 Degree East: "
            "\r\n\r\n = Eutelsat Hotbird "
            "\r\n\r\n Azimuth:    183.51 Degree "
            "\r\n Elevation:   34.59 Degree "
            "\r\n\r\n Elevation = Height Angle "
            "\r\n Azimuth   = Orientation (Point of the Compass) "
            "\r\n\r\n North =   0 Deg., East =  90 Deg. "
            "\r\n South = 180 Deg., West = 270 Deg. ");
}

TEST(ReportsGeodesy, DishSatelliteNamesOnlyEast) {
  const struct {
    int degrees, tenths;
    const char* line;
  } names[] = {{19, 2, "\r\n\r\n = Astra 1 "},  {28, 2, "\r\n\r\n = Astra 2 "},
               {23, 5, "\r\n\r\n = Astra 3 "},  {13, 0, "\r\n\r\n = Eutelsat Hotbird "},
               {7, 0, "\r\n\r\n = Eutelsat "},  {10, 0, "\r\n\r\n = Eutelsat "},
               {16, 0, "\r\n\r\n = Eutelsat "}};
  for (const auto& n : names) {
    EXPECT_TRUE(contains(builddishreport(dish(n.degrees, n.tenths, 1, 48, 0, 1, 16, 0, 1), german).text, n.line));
    EXPECT_FALSE(contains(builddishreport(dish(n.degrees, n.tenths, 0, 48, 0, 1, 16, 0, 1), german).text, "\r\n\r\n = "));
  }
  EXPECT_FALSE(contains(builddishreport(dish(19, 3, 1, 48, 0, 1, 16, 0, 1), german).text, "\r\n\r\n = "));
  // Positions of three digits get a five-character field.
  EXPECT_TRUE(contains(builddishreport(dish(100, 5, 0, 48, 0, 1, 16, 0, 1), english).text,
                       "\r\n SAT-Position 100.5 Degree West: "));
  EXPECT_TRUE(contains(builddishreport(dish(7, 0, 1, 48, 0, 1, 16, 0, 1), english).text,
                       "\r\n SAT-Position  7.0 Degree East: "));
}

TEST(ReportsGeodesy, DishOutOfRange) {
  // 90 degrees west of an observer at 16 E: the satellite stands at 74 W.
  const DishReport r = builddishreport(dish(74, 0, 0, 48, 0, 1, 16, 0, 1), german);
  EXPECT_TRUE(r.outofrange);
  EXPECT_LT(r.elevation, 5.0);
  EXPECT_TRUE(contains(r.text, " Grad      Satellit ist außer Reichweite! \r\n\r\n Elevation = Höhenwinkel "));
  EXPECT_TRUE(contains(builddishreport(dish(74, 0, 0, 48, 0, 1, 16, 0, 1), english).text,
                       "     Satellite is out of Range! "));
  EXPECT_FALSE(builddishreport(dish(19, 2, 1, 48, 0, 1, 16, 0, 1), german).outofrange);
}

TEST(ReportsGeodesy, DishAgreesWithVectorGeometry) {
  double worst = 0.0;
  for (int lat = -75; lat <= 75; lat += 5)
    for (int lon = -180; lon <= 180; lon += 15)
      for (int sat = -1800; sat <= 1800; sat += 175) {
        if (lat == 0) continue;  // the azimuth is undefined for a point on the equator
        DishInputs in = dish(std::abs(sat) / 10, std::abs(sat) % 10, sat >= 0, std::abs(lat), 0, lat >= 0,
                             std::abs(lon), 0, lon >= 0, 1);
        const DishReport r = builddishreport(in, english);
        double azimuth, elevation;
        vectorpointing(sat / 10.0, lat, lon, azimuth, elevation);
        if (elevation < 0.0) continue;  // the satellite is below the horizon
        double da = std::fabs(r.azimuth - azimuth);
        if (da > 180.0) da = 360.0 - da;
        EXPECT_LT(da, 1e-6) << lat << " " << lon << " " << sat;
        EXPECT_NEAR(r.elevation, elevation, 1e-6) << lat << " " << lon << " " << sat;
        worst = std::fmax(worst, std::fabs(r.elevation - elevation));
        // South-based azimuth is the north-based one turned by 180 degrees.
        in.azimuthnorth = 0;
        double south = builddishreport(in, english).azimuth - r.azimuth;
        south -= 360.0 * std::floor(south / 360.0);
        EXPECT_NEAR(south, 180.0, 1e-9);
      }
  EXPECT_LT(worst, 1e-6);
}

TEST(ReportsGeodesy, DishInputsAreClampedAndFilled) {
  // An all-zero place becomes place entry 0.
  const DishReport zero = builddishreport(dish(19, 2, 1, 0, 0, 1, 0, 0, 1), german);
  EXPECT_EQ(zero.placename, "Sankt Pölten (Austria)");
  EXPECT_EQ(zero.corrected.place.latitudedegrees, 48);
  EXPECT_EQ(zero.corrected.place.longitudeminutes, 37);
  // Out-of-range values are limited; minutes vanish at 90 and 180 degrees.
  const DishReport r = builddishreport(dish(200, 12, 1, 95, 30, 0, 190, 70, 0), english);
  EXPECT_EQ(r.corrected.satellitedegrees, 180);
  EXPECT_EQ(r.corrected.satellitetenths, 9);  // 180.9 degrees is a position like any other
  EXPECT_TRUE(contains(r.text, "\r\n SAT-Position 180.9 Degree East: "));
  EXPECT_EQ(r.corrected.place.latitudedegrees, 90);
  EXPECT_EQ(r.corrected.place.latitudeminutes, 0);
  EXPECT_EQ(r.corrected.place.longitudedegrees, 180);
  EXPECT_EQ(r.corrected.place.longitudeminutes, 0);
  EXPECT_TRUE(contains(r.text, "\r\n  90 Deg.  0 Min. South   90.000 Deg. South "));
  // Position mode loads the indexed place; an index beyond the places in use means entry 0.
  const Configuration c = readConfigurationContent("51 N 28   000E 00 Greenwich\n52 N 31   013E 24 Berlin\n");
  ASSERT_EQ(c.result, 1);
  DishInputs in = dish(19, 2, 1, 10, 0, 1, 10, 0, 1);
  in.places = c.locationTable;
  in.placeindex = 1;
  EXPECT_EQ(builddishreport(in, german).placename, "Berlin");
  in.placeindex = 5;
  const DishReport wrapped = builddishreport(in, german);
  EXPECT_EQ(wrapped.placename, "Greenwich");
  EXPECT_EQ(wrapped.corrected.placeindex, 0);
}

TEST(ReportsGeodesy, DistanceGoldenGerman) {
  DistanceInputs in;
  in.first = point(48, 12, 0, 1, 15, 37, 0, 1);
  in.second = point(52, 31, 12, 1, 13, 24, 0, 1);
  EXPECT_EQ(builddistancereport(in, german).text,
            "\r\n Breitengrad Eins:      48.20000 Grad Nord "
            "\r\n Längengrad  Eins:      15.61667 Grad Ost "
            "\r\n = Sankt Pölten (Austria)"
            "\r\n\r\n Breitengrad Zwei:      52.52000 Grad Nord "
            "\r\n Längengrad  Zwei:      13.40000 Grad Ost "
            "\r\n\r\n Entfernung einfach:   505.94651 Kilometer "
            "\r\n Entfernung exakt:     505.70059 Kilometer "
            "\r\n\r\n Entfernung einfach:   314.38058 Landmeilen "
            "\r\n Entfernung exakt:     314.22778 Landmeilen "
            "\r\n\r\n Entfernung einfach:   273.18926 Nautische Meilen "
            "\r\n Entfernung exakt:     273.05647 Nautische Meilen "
            "\r\n\r\n Diff. einf./exakt:  0.04863 Prozent "
            "\r\n\r\n 1 Landmeile = 1,609344 Kilometer "
            "\r\n 1 Seemeile  = 1,852    Kilometer "
            "\r\n\r\n Einfache Berechnung mit Erdumfang von 40075 Kilometer "
            "\r\n Exakte Berechnung mit WGS84-Ellipsoid (Pole abgeplattet) "
            "\r\n (Kürzeste Entfernung = Orthodrome oder Luftlinie) ");
}

TEST(ReportsGeodesy, DistanceGoldenEnglishSouthWest) {
  DistanceInputs in;
  in.first = point(33, 51, 54, 0, 151, 12, 36, 1);  // Sydney
  in.second = point(40, 42, 46, 1, 74, 0, 22, 0);   // New York
  const DistanceReport r = builddistancereport(in, english);
  // The sphere of radius 6378.137 km gives 16006.42343 km by the law of
  // cosines; the geodesic on WGS84 is 15987.765 km (Karney's method).
  EXPECT_EQ(r.text,
            "\r\n First Latitude:        33.86500 Degree South "
            "\r\n First Longitude:      151.21000 Degree East "
            "\r\n\r\n Second Latitude:       40.71278 Degree North "
            "\r\n Second Longitude:      74.00611 Degree West "
            "\r\n\r\n Simple Distance:    16006.42343 Kilometer "
            "\r\n Exact  Distance:    15987.76536 Kilometer "
            "\r\n\r\n Simple Distance:     9945.93041 Statute Miles "
            "\r\n Exact  Distance:     9934.33682 Statute Miles "
            "\r\n\r\n Simple Distance:     8642.77723 Nautical Miles "
            "\r\n Exact  Distance:     8632.70268 Nautical Miles "
            "\r\n\r\n Diff. simp./exact:  0.11670 Percent "
            "\r\n\r\n 1 Statute Mile   = 1,609344 Kilometer "
            "\r\n 1 Nautical Mile  = 1,852    Kilometer "
            "\r\n\r\n Simple Calculation with 40075 km Circumference of Earth "
            "\r\n Exact Calculation with WGS84 Ellipsoid (Poles oblated) "
            "\r\n (Shortest Distance = Great-Circle Distance or \"As the Crow flies\") ");
  EXPECT_NEAR(r.exact, 15987.765, 0.1);
}

TEST(ReportsGeodesy, DistanceWorkedExample) {
  // 48.21 N 16.37 E to 52.52 N 13.40 E: 523.98 km on the sphere, 523.82 km on the ellipsoid.
  DistanceInputs in;
  in.first = point(48, 12, 36, 1, 16, 22, 12, 1);
  in.second = point(52, 31, 12, 1, 13, 24, 0, 1);
  const DistanceReport r = builddistancereport(in, german);
  EXPECT_NEAR(r.simple, 523.98, 0.01);
  EXPECT_NEAR(r.exact, 523.82, 0.01);
  EXPECT_TRUE(contains(r.text, "\r\n\r\n Entfernung einfach:   325.5"));  // statute miles
  // The miles are the kilometres divided by 1.609344 and 1.852.
  const std::string km = formatdecimal(r.exact / 1.609344, 11, 0, 5) + " Landmeilen ";
  EXPECT_TRUE(contains(r.text, "\r\n Entfernung exakt:   " + km));
  EXPECT_TRUE(contains(r.text, formatdecimal(r.simple / 1.852, 11, 0, 5) + " Nautische Meilen "));
}

TEST(ReportsGeodesy, DistanceIdenticalPoints) {
  DistanceInputs in;
  in.first = point(10, 20, 30, 0, 40, 50, 59, 0);
  in.second = in.first;
  for (int language : {german, english}) {
    const DistanceReport r = builddistancereport(in, language);
    EXPECT_EQ(r.simple, 0.0);
    EXPECT_EQ(r.exact, 0.0);
    EXPECT_TRUE(contains(r.text, language == german ? "\r\n\r\n keine Abweichung \r\n\r\n 1 Landmeile"
                                                    : "\r\n\r\n no Divergence \r\n\r\n 1 Statute Mile"));
    EXPECT_FALSE(contains(r.text, "Diff."));
    EXPECT_TRUE(contains(r.text, "       0.00000 "));
  }
}

TEST(ReportsGeodesy, DistancePlacesAndClamping) {
  const Configuration config = readConfigurationContent("51 N 28   000W 01 Greenwich\n33 S 52   151E 13 Sydney\n");
  ASSERT_EQ(config.result, 1);
  DistanceInputs in;
  in.places = config.locationTable;
  in.first = point(51, 28, 0, 1, 0, 1, 0, 0);
  in.second = point(33, 52, 0, 0, 151, 13, 0, 1);
  const DistanceReport r = builddistancereport(in, english);
  EXPECT_EQ(r.placename1, "Greenwich");
  EXPECT_EQ(r.placename2, "Sydney");
  EXPECT_TRUE(contains(r.text, "Degree West \r\n = Greenwich\r\n\r\n Second Latitude: "));
  EXPECT_TRUE(contains(r.text, "Degree East \r\n = Sydney\r\n\r\n Simple Distance: "));
  // A second more is another point.
  in.second.latitudeseconds = 1;
  EXPECT_EQ(builddistancereport(in, english).placename2, "");
  // Fields are limited, the values to 90 and 180 degrees.
  in.first = point(95, 70, 70, 1, 185, 99, 99, 0);
  const DistanceReport c = builddistancereport(in, german);
  EXPECT_EQ(c.corrected.first.latitudedegrees, 90);
  EXPECT_EQ(c.corrected.first.latitudeminutes, 59);
  EXPECT_EQ(c.corrected.first.longitudeseconds, 59);
  EXPECT_EQ(c.latitude1, 90.0);
  EXPECT_EQ(c.longitude1, -180.0);
  EXPECT_TRUE(contains(c.text, "\r\n Breitengrad Eins:      90.00000 Grad Nord "));
  EXPECT_TRUE(contains(c.text, "\r\n Längengrad  Eins:     180.00000 Grad West "));
}
