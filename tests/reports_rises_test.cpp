// The reports of a place: rises and twilights (golden texts, limits, the
// place lookup, polar days and nights, day lengths across midnight), the
// satellite dish and the distance (golden texts, satellite names, out of
// range, place recognition, clamping).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>

#include "app/configuration.h"
#include "calendar/text.h"
#include "reports/dish_report.h"
#include "reports/distance_report.h"
#include "reports/rises_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

// A polar place, the default place, a southern one west of Greenwich.
const LocationTable configured =
    readConfigurationContent(
        "78 N 13   015E 38 Longyearbyen\r\n48 N 12   015E 37 Sankt P\xC3\xB6lten (Austria)\r\n"
        "33 S 27   070W 40 Santiago de Chile\r\n")
        .locationTable;

RisesInputs inputs(int year, int month, int day, int zone, GeoPlace place = {0, 0, 0, 1, 0, 0, 0, 1}) {
  return {.year = year, .month = month, .day = day, .zone = zone, .place = place};
}

std::string text(const RisesInputs& in, Language language) { return buildrisesreport(in, language).text; }

}  // namespace

// Whole reports written piece by piece from the format strings
// (tests/golden/). An independent ephemeris gives for Sankt Pölten on 15 March
// 2024 (UTC+1) sunrise 06:10:05, sunset 18:03:24, moonrise 08:20:54 (moonset
// only after midnight), the Sun's transit 12:06:18 at 40.0°, the twilights
// 05:39/18:34, 05:03/19:11, 04:26/19:48 and at -4° 05:51/18:22, the Moon 32.4 %
// illuminated at noon; for 12°58' S 77°38' E on 21 June 2024 (UTC+5 1/2)
// sunrise 06:40:28, sunset 18:02:13, moonrise 17:22:38, moonset 05:50:10, the
// Sun's transit 12:21:21 at 53.6°, the Moon's 00:06 of the next day (so none
// on this day, whose greatest lunar altitude, 74.1°, is at its end), the
// twilights 06:17/18:25, 05:51/18:52 and 05:24/19:18.
TEST(ReportsRises, Goldens) {
  EXPECT_EQ(text(inputs(2024, 3, 15, 1), german), golden("rises_de.txt"));
  RisesInputs in = inputs(2024, 3, 15, 1);
  in.precise = in.seconds = in.planets[risesvenus] = in.planets[risesjupiter] = 1;
  EXPECT_EQ(text(in, english), golden("rises_precise_en.txt"));
  in = inputs(2024, 6, 21, 5, {12, 58, 0, 0, 77, 38, 0, 1});
  in.half = 1;
  in.individual = -9;
  EXPECT_EQ(text(in, english), golden("rises_south_half_zone_en.txt"));
}

TEST(ReportsRises, InputLimits) {
  // 31 February becomes the last day of February.
  EXPECT_EQ(buildrisesreport(inputs(2023, 2, 31, 1), german).corrected.day, 28);
  EXPECT_TRUE(contains(text(inputs(2024, 2, 31, 1), german), "\r\n Datum: Donnerstag, 29. Februar 2024 \r\n"));
  // Latitude 90° 30' prints as 90° 0'; degrees beyond 90 and 180 are limited.
  const RisesReport pole = buildrisesreport(inputs(2024, 6, 21, 0, {90, 30, 0, 1, 0, 10, 0, 1}), english);
  EXPECT_EQ(pole.corrected.place.latitudeminutes, 0);
  expectpieces(pole.text, "rises_pieces.txt", "InputLimits/pole.text");
  const GeoPlace far = buildrisesreport(inputs(2024, 6, 21, 0, {95, 70, 0, 1, 200, 70, 0, 0}), english).corrected.place;
  EXPECT_EQ((std::array{far.latitudedegrees, far.longitudedegrees, far.longitudeminutes}), (std::array{90, 180, 0}));
  // Years 1600..2400, in precise mode 1000..3000; zone -12..12; individual -30..30.
  RisesInputs in = inputs(1000, 6, 1, 14);
  in.individual = -45;
  const RisesReport low = buildrisesreport(in, english);
  EXPECT_EQ((std::array{low.corrected.year, low.corrected.zone, low.corrected.individual}),
            (std::array{1600, 12, -30}));
  expectpieces(low.text, "rises_pieces.txt", "InputLimits/low.text");
  in.precise = 1;
  in.year = 999;
  EXPECT_EQ(buildrisesreport(in, english).corrected.year, 1000);
  in.year = 3500;
  in.zone = -14;
  EXPECT_EQ(buildrisesreport(in, english).corrected.year * 100 + buildrisesreport(in, english).corrected.zone,
            300000 - 12);
  in.precise = 0;
  EXPECT_EQ(buildrisesreport(in, english).corrected.year, 2400);
}

TEST(ReportsRises, HalfZone) {
  for (int zone : {0, 12, -12}) {
    RisesInputs in = inputs(2024, 3, 15, zone);
    in.half = 1;
    EXPECT_EQ(buildrisesreport(in, english).corrected.half, 0) << zone;
  }
  RisesInputs in = inputs(2024, 3, 15, 1);
  in.half = 1;
  const std::string t = text(in, german);
  expectpieces(t, "rises_pieces.txt", "HalfZone/t");
  EXPECT_TRUE(contains(t, "\r\n 06:40 / 18:33  "));  // half an hour later than zone 1: 06:10 becomes 06:40
  in.zone = -4;
  EXPECT_TRUE(contains(text(in, english), " (Time in UTC-4 1/2) "));
}

TEST(ReportsRises, PlaceLookup) {
  // All coordinates zero: the first configured place is loaded and written back.
  RisesInputs in = inputs(2024, 3, 15, 1);
  in.places = configured;
  RisesReport r = buildrisesreport(in, german);
  EXPECT_EQ(r.placename, "Longyearbyen");
  EXPECT_EQ(r.corrected.place.longitudeminutes, 38);
  expectpieces(r.text, "rises_pieces.txt", "PlaceLookup/r.text");
  // Position mode: the entry at the location index.
  in.zone = -4;
  in.positionmode = 1;
  in.locationindex = 2;
  r = buildrisesreport(in, english);
  EXPECT_EQ(r.placename, "Santiago de Chile");
  EXPECT_EQ((std::array{r.corrected.place.north, r.corrected.place.east, r.corrected.positionmode}),
            (std::array{0, 0, 0}));
  expectpieces(r.text, "rises_pieces.txt", "PlaceLookup/santiago");
  // Typed coordinates of a configured place find its name, hemispheres included.
  EXPECT_EQ(buildrisesreport(inputs(2024, 3, 15, 1, {48, 12, 0, 1, 15, 37, 0, 1}), german).placename,
            "Sankt Pölten (Austria)");
  r = buildrisesreport(inputs(2024, 3, 15, 1, {48, 12, 0, 0, 15, 37, 0, 1}), german);
  EXPECT_EQ(r.placename, "");
  expectpieces(r.text, "rises_pieces.txt", "PlaceLookup/south");
}

TEST(ReportsRises, PlanetsOnlyInPreciseMode) {
  RisesInputs in = inputs(2024, 3, 15, 1);
  in.planets[risesvenus] = in.planets[risesjupiter] = 1;
  EXPECT_EQ(text(in, english), text(inputs(2024, 3, 15, 1), english));
  in.precise = in.planets[risesmars] = in.planets[risespluto] = 1;
  EXPECT_TRUE(
      contains(text(in, german),
               "\r\n Sonne          Mond           Venus          Mars           Jupiter        Pluto          \r\n"));
}

TEST(ReportsRises, PolarNightAndDay) {
  RisesInputs in = inputs(2024, 12, 15, 1);
  in.places = configured;
  in.positionmode = 1;  // Longyearbyen
  const std::string night = text(in, german);
  expectpieces(night, "rises_pieces.txt", "PolarNightAndDay/night");
  in.month = 6;
  in.zone = 2;
  in.seconds = 1;
  const std::string day = text(in, english);
  expectpieces(day, "rises_pieces.txt", "PolarNightAndDay/day");
}

TEST(ReportsRises, DayLengthAcrossMidnight) {
  // 48° N 120° W in UTC: the set of the day (02:05) lies before its rise
  // (14:12); in the local zone the same day lasts as long within a minute.
  RisesInputs in = inputs(2024, 3, 15, 0, {48, 0, 0, 1, 120, 0, 0, 0});
  EXPECT_TRUE(contains(text(in, english), "\r\n 14:12 / 02:05  "));
  EXPECT_TRUE(contains(text(in, english), " Length of the Day: 11 Hours 53 Minutes (Sunrise -> Sunset)"));
  in.zone = -8;
  EXPECT_TRUE(contains(text(in, english), "\r\n 06:12 / 18:06  "));
  EXPECT_TRUE(contains(text(in, english), " Length of the Day: 11 Hours 54 Minutes (Sunrise -> Sunset)"));
  // Day lengths over a year at St. Pölten: from about 8 h 20 min in December
  // to about 16 h 5 min in June, whatever the zone.
  for (int month = 1; month <= 12; ++month)
    for (int zone : {-11, 1, 11}) {
      const std::string s = text(inputs(2024, month, 21, zone, {48, 12, 0, 1, 15, 37, 0, 1}), english);
      const std::size_t p = s.find(" Length of the Day: ");
      int hours = 0, minutes = 0;
      ASSERT_NE(p, std::string::npos) << month << " " << zone;
      ASSERT_EQ(std::sscanf(s.c_str() + p, " Length of the Day: %d Hours %d Minutes", &hours, &minutes), 2);
      EXPECT_GE(hours * 60 + minutes, 8 * 60 + 10) << month << " " << zone;
      EXPECT_LE(hours * 60 + minutes, 16 * 60 + 15) << month << " " << zone;
    }
}

namespace {

// The inputs of the dish report: satellite position, place (degrees,
// minutes, hemisphere), azimuth from north.
DishInputs dish(int degrees, int tenths, int east, int latd, int latm, int north, int lond, int lonm, int lonEast,
                int northbased = 0) {
  return {.satellitedegrees = degrees,
          .satellitetenths = tenths,
          .satelliteeast = east,
          .place = {latd, latm, 0, north, lond, lonm, 0, lonEast},
          .azimuthnorth = northbased};
}

}  // namespace

// Whole reports written by hand from the format strings (tests/golden/); the
// default place (entry 0) is recognised by degrees, minutes, hemispheres. The
// sphere of radius 6378.137 km gives 16006.42343 km from Sydney to New York by
// the law of cosines; the geodesic on WGS84 is 15987.765 km (Karney's method).
TEST(ReportsGeodesy, Goldens) {
  EXPECT_EQ(builddishreport(dish(19, 2, 1, 48, 0, 1, 16, 0, 1), german).text, golden("dish_de.txt"));
  EXPECT_EQ(builddishreport(dish(13, 0, 1, 48, 12, 1, 15, 37, 1, 1), english).text, golden("dish_place_en.txt"));
  EXPECT_EQ(
      builddistancereport({.first = {48, 12, 0, 1, 15, 37, 0, 1}, .second = {52, 31, 12, 1, 13, 24, 0, 1}}, german)
          .text,
      golden("distance_de.txt"));
  EXPECT_EQ(
      builddistancereport({.first = {33, 51, 54, 0, 151, 12, 36, 1}, .second = {40, 42, 46, 1, 74, 0, 22, 0}}, english)
          .text,
      golden("distance_south_west_en.txt"));
}

TEST(ReportsGeodesy, DishSatelliteNamesOnlyEast) {
  const std::tuple<int, int, const char*> names[] = {
      {28, 2, "Astra 2 "}, {23, 5, "Astra 3 "}, {13, 0, "Eutelsat Hotbird "}, {10, 0, "Eutelsat "}, {19, 3, nullptr}};
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
  EXPECT_TRUE(
      contains(builddishreport(dish(74, 0, 0, 48, 0, 1, 16, 0, 1), english).text, "     Satellite is out of Range! "));
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
  for (Language language : {german, english}) {
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
