// The satellite dish and distance reports: golden texts (tests/golden/), the
// satellite names, the out-of-range warning, place recognition, clamping.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>

#include "app/configuration.h"
#include "calendar/text.h"
#include "reports/dish_report.h"
#include "reports/distance_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

// The inputs of the dish report: satellite position, place (degrees,
// minutes, hemisphere), azimuth from north.
DishInputs dish(int degrees, int tenths, int east, int latd, int latm, int north, int lond, int lonm, int lonEast,
                int northbased = 0) {
  return {.satellitedegrees = degrees, .satellitetenths = tenths, .satelliteeast = east,
          .place = {latd, latm, 0, north, lond, lonm, 0, lonEast}, .azimuthnorth = northbased};
}

}  // namespace

// Whole reports written by hand from the format strings (tests/golden/); the
// default place (entry 0) is recognised by degrees, minutes, hemispheres. The
// sphere of radius 6378.137 km gives 16006.42343 km from Sydney to New York by
// the law of cosines; the geodesic on WGS84 is 15987.765 km (Karney's method).
TEST(ReportsGeodesy, Goldens) {
  EXPECT_EQ(builddishreport(dish(19, 2, 1, 48, 0, 1, 16, 0, 1), german).text, golden("dish_de.txt"));
  EXPECT_EQ(builddishreport(dish(13, 0, 1, 48, 12, 1, 15, 37, 1, 1), english).text, golden("dish_place_en.txt"));
  EXPECT_EQ(builddistancereport({.first = {48, 12, 0, 1, 15, 37, 0, 1}, .second = {52, 31, 12, 1, 13, 24, 0, 1}}, german).text,
            golden("distance_de.txt"));
  EXPECT_EQ(builddistancereport({.first = {33, 51, 54, 0, 151, 12, 36, 1}, .second = {40, 42, 46, 1, 74, 0, 22, 0}}, english).text,
            golden("distance_south_west_en.txt"));
}

TEST(ReportsGeodesy, DishSatelliteNamesOnlyEast) {
  const std::tuple<int, int, const char*> names[] = {{28, 2, "Astra 2 "}, {23, 5, "Astra 3 "}, {13, 0, "Eutelsat Hotbird "},
                                                     {10, 0, "Eutelsat "}, {19, 3, nullptr}};
  for (const auto& [degrees, tenths, name] : names) {
    const std::string east = builddishreport(dish(degrees, tenths, 1, 48, 0, 1, 16, 0, 1), german).text;
    EXPECT_TRUE(name ? contains(east, std::string("\r\n\r\n = ") + name) : !contains(east, "\r\n\r\n = ")) << degrees;
    EXPECT_FALSE(contains(builddishreport(dish(degrees, tenths, 0, 48, 0, 1, 16, 0, 1), german).text, "\r\n\r\n = "));
  }
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
  expectpieces(r.text, "geodesy_pieces.txt", "DishOutOfRange/r.text");
  EXPECT_TRUE(contains(builddishreport(dish(74, 0, 0, 48, 0, 1, 16, 0, 1), english).text, "     Satellite is out of Range! "));
  EXPECT_FALSE(builddishreport(dish(19, 2, 1, 48, 0, 1, 16, 0, 1), german).outofrange);
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
  expectpieces(r.text, "geodesy_pieces.txt", "DishInputsAreClampedAndFilled/r.text");
  EXPECT_EQ((std::array{r.corrected.place.latitudedegrees, r.corrected.place.latitudeminutes,
                         r.corrected.place.longitudedegrees, r.corrected.place.longitudeminutes}),
            (std::array{90, 0, 180, 0}));
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

// Identical points: no divergence (the distances themselves: the golden
// texts and astro_geodesy_test).
TEST(ReportsGeodesy, DistanceIdenticalPoints) {
  const GeoPlace point{10, 20, 30, 0, 40, 50, 59, 0};
  for (int language : {german, english}) {
    const DistanceReport same = builddistancereport({.first = point, .second = point}, language);
    EXPECT_EQ(same.simple + same.exact, 0.0);
    EXPECT_TRUE(contains(same.text, language == german ? "\r\n\r\n keine Abweichung \r\n\r\n 1 Landmeile"
                                                       : "\r\n\r\n no Divergence \r\n\r\n 1 Statute Mile"));
    expectpieces(same.text, "geodesy_pieces.txt", "DistanceIdenticalPoints/same.text");
  }
}

TEST(ReportsGeodesy, DistancePlacesAndClamping) {
  const Configuration config = readConfigurationContent("51 N 28   000W 01 Greenwich\n33 S 52   151E 13 Sydney\n");
  ASSERT_EQ(config.result, 1);
  DistanceInputs in;
  in.places = config.locationTable;
  in.first = GeoPlace{51, 28, 0, 1, 0, 1, 0, 0};
  in.second = GeoPlace{33, 52, 0, 0, 151, 13, 0, 1};
  const DistanceReport r = builddistancereport(in, english);
  EXPECT_EQ(r.placename1, "Greenwich");
  EXPECT_EQ(r.placename2, "Sydney");
  expectpieces(r.text, "geodesy_pieces.txt", "DistancePlacesAndClamping/r.text");
  // A second more is another point.
  in.second.latitudeseconds = 1;
  EXPECT_EQ(builddistancereport(in, english).placename2, "");
  // Fields are limited, the values to 90 and 180 degrees.
  in.first = GeoPlace{95, 70, 70, 1, 185, 99, 99, 0};
  const DistanceReport c = builddistancereport(in, german);
  EXPECT_EQ((std::array{c.corrected.first.latitudedegrees, c.corrected.first.latitudeminutes,
                         c.corrected.first.longitudeseconds}),
            (std::array{90, 59, 59}));
  EXPECT_EQ(c.latitude1, 90.0);
  EXPECT_EQ(c.longitude1, -180.0);
  expectpieces(c.text, "geodesy_pieces.txt", "DistancePlacesAndClamping/c.text");
}
