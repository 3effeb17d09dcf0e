// The sidereal time and planet position reports and the ephemeris list:
// golden texts (tests/golden/), the delta T hand-shake, the chart state, the
// option rules, and the planet report's numbers against the engine.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/configuration.h"
#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/planets.h"
#include "astro/timescales.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/planet_report.h"
#include "reports/sidereal_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

// The number that follows the first occurrence of label at or after from.
double numberafter(const std::string& s, const std::string& label, std::size_t from = 0) {
  const std::size_t i = s.find(label, from);
  return i == std::string::npos ? NAN : std::strtod(s.c_str() + i + label.size(), nullptr);
}

SiderealInputs sidereal(int y, int mo, int d, int h, int mi, int zone, int half = 0) {
  return {.year = y, .month = mo, .day = d, .hour = h, .minute = mi, .zone = zone, .halfzone = half};
}

// Planet inputs with delta T given (the second half of the hand-shake).
PlanetInputs planets(int y, int mo, int d, int h, int mi, int zone, int deltat, std::initializer_list<int> bodies) {
  PlanetInputs in{.year = y, .month = mo, .day = d, .hour = h, .minute = mi, .zone = zone, .deltat = deltat,
                  .deltaTPending = true};
  for (bool& b : in.bodies) b = false;
  for (int b : bodies) in.bodies[b] = true;
  return in;
}

}  // namespace


TEST(ReportsPositions, SiderealGoldens) {
  EXPECT_EQ(buildsiderealreport(sidereal(2024, 3, 15, 21, 30, 1), german).text, golden("sidereal_de.txt"));
  SiderealInputs in = sidereal(2000, 1, 1, 12, 0, -5, 1);
  in.place = GeoPlace{40, 43, 0, 1, 74, 0, 0, 0};
  in.azimuthnorth = 1;
  EXPECT_EQ(buildsiderealreport(in, english).text, golden("sidereal_half_zone_en.txt"));
}

TEST(ReportsPositions, SiderealOnTheGreenwichMeridian) {
  SiderealInputs in = sidereal(1987, 4, 10, 0, 0, 0);
  in.place = GeoPlace{51, 28, 0, 1, 0, 0, 0, 1};
  EXPECT_TRUE(contains(buildsiderealreport(in, english).text,
                       "\r\n\r\n Local Mean Sidereal Time for the Longitude = Greenwich Zero Meridian \r\n"
                       "  0.000 Deg. East at 00:00 UTC\r\n\r\n"));
  // A named place on the meridian keeps its name and the Greenwich words.
  in.places = readConfigurationContent("51 N 28   000E 00 Greenwich Observatory\n").locationTable;
  EXPECT_TRUE(contains(buildsiderealreport(in, german).text,
                       " Mittlere Ortssternzeit für Greenwich Observatory = Greenwich Null Meridian \r\n"));
}

TEST(ReportsPositions, SiderealInstantZonesAndClamps) {
  // Midnight local time in zone +1 is 23:00 UT of the day before.
  EXPECT_TRUE(contains(buildsiderealreport(sidereal(2024, 3, 15, 0, 0, 1), german).text,
                       "\r\n\r\n Julianisches Datum: 2460384.45833\r\n"));
  // Half zones: +5 1/2 hours and -3 1/2 hours; zone 12 has none.
  const double noon = datetojd(2024, 3, 15) + 0.5;
  for (const auto& [zone, hours] : {std::pair{5, 5.5}, {-3, -3.5}, {12, 12.0}}) {
    const SiderealReport r = buildsiderealreport(sidereal(2024, 3, 15, 12, 0, zone, 1), english);
    EXPECT_NEAR(r.jd, noon - hours / 24.0, 1e-9) << zone;
    EXPECT_EQ(r.corrected.halfzone, hours != zone ? 1 : 0) << zone;
  }
  EXPECT_TRUE(contains(buildsiderealreport(sidereal(2024, 3, 15, 12, 0, -3, 1), german).text, "um 12:00 UTC-3 1/2"));
  // Clamps like the planet dialog; no place means place entry 0 with its name.
  const SiderealReport r = buildsiderealreport(sidereal(3500, 2, 31, 24, 61, 13, 1), english);
  const SiderealInputs& c = r.corrected;
  EXPECT_EQ((std::array{c.year, c.day, c.hour, c.minute, c.zone, c.halfzone, c.place.latitudeminutes}),
            (std::array{3000, 28, 23, 59, 12, 0, 12}));
  EXPECT_EQ(r.placename, "Sankt Pölten (Austria)");
}

TEST(ReportsPositions, SiderealSunAtNoonOfTheEquinox) {
  // 20 March 2024, 12:05 CET at Sankt Poelten, eight hours after the
  // equinox: the Sun near the meridian at about 90 - 48.2 + 0.13 degrees.
  const std::string t = buildsiderealreport(sidereal(2024, 3, 20, 12, 5, 1), german).text;
  const double azimuth = numberafter(t, "\r\n\r\n Sonne: Azimuth ");
  EXPECT_TRUE(azimuth < 1.0 || azimuth > 359.0) << azimuth;
  EXPECT_NEAR(numberafter(t, "Grad - Höhe über Horizont "), 41.93, 0.1);
  // Refraction lifts it by about 1' (one decimal shown).
  const double lift = numberafter(t, "(mit Refraktion ") - numberafter(t, "Grad - Höhe über Horizont ");
  EXPECT_GE(lift, 0.0);
  EXPECT_LE(lift, 0.1001);
}


TEST(ReportsPositions, PlanetGoldens) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {3, 5, 11});
  in.details = in.orbit = in.visibleonly = true;
  EXPECT_EQ(buildplanetreport(in, german).text, golden("planets_de.txt"));
  in = planets(2000, 1, 1, 12, 0, 0, 639, {2, 10});
  in.sexagesimal = in.azimuthnorth = true;
  in.place = GeoPlace{51, 28, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(buildplanetreport(in, english).text, golden("planets_sexagesimal_en.txt"));
}

// The numbers of the orbit and position lines are the engine's at the
// report's instant (UT and the delta T given), rounded as printed.
TEST(ReportsPositions, PlanetNumbersAreTheEnginesOwn) {
  const int when[][5] = {{1950, 6, 1, 0, 0}, {2000, 1, 1, 12, 0}, {2024, 3, 15, 21, 30}, {2090, 11, 30, 6, 45}};
  for (const auto& w : when) {
    PlanetInputs in = planets(w[0], w[1], w[2], w[3], w[4], 0, 700, {1, 4, 5, 6, 9});
    in.orbit = in.details = true;
    in.altaz = in.magnitude = false;
    const PlanetReport r = buildplanetreport(in, english);
    const InstantFrame frame = FrameAt(InstantFromUT(r.jd, 70.0));
    for (BodyCode body : {BodyCode::Mercury, BodyCode::Mars, BodyCode::Jupiter, BodyCode::Saturn, BodyCode::Pluto}) {
      const std::size_t at = r.text.find(std::string("Data of ") + bodynames[1][static_cast<int>(body)]);
      ASSERT_NE(at, std::string::npos) << static_cast<int>(body);
      const HeliocentricState h = PlanetHeliocentric(r.jde, body);
      const ApparentPlace p = BodyPosition(frame, body);
      EXPECT_NEAR(numberafter(r.text, "Longitude: ", at), h.l * M_PI / 180.0, 6e-6) << w[0];
      EXPECT_NEAR(numberafter(r.text, "Latitude:  ", at), h.b * M_PI / 180.0, 6e-6) << w[0];
      EXPECT_NEAR(numberafter(r.text, "Radius:    ", at), h.r, 6e-6) << w[0];
      EXPECT_NEAR(numberafter(r.text, "Right Asc. (Hours/Deg.): ", at), p.ra, 0.006) << w[0];
      EXPECT_NEAR(numberafter(r.text, " - Decl.: ", at), p.dec, 0.006) << w[0];
      EXPECT_NEAR(numberafter(r.text, " - Dist.: (AU / Mio. km) ", at), p.distance, 6e-6) << w[0];
    }
  }
}

TEST(ReportsPositions, PlanetDeltaTHandShake) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 0, {5});
  in.deltaTPending = false;
  const PlanetReport first = buildplanetreport(in, german);
  EXPECT_TRUE(first.deltatcomputed && first.text.empty() && first.corrected.deltaTPending);
  EXPECT_EQ(first.corrected.deltat, 740);
  // The dialog keeps the flag handed back, writes the value into its field
  // (or the user types another) and runs the report again.
  in.deltaTPending = first.corrected.deltaTPending;
  in.deltat = 1234;
  const PlanetReport second = buildplanetreport(in, german);
  EXPECT_FALSE(second.deltatcomputed || second.corrected.deltaTPending);
  expectpieces(second.text, "positions_pieces.txt", "PlanetDeltaTHandShake/second.text");
  EXPECT_DOUBLE_EQ(second.jde, second.jd + 123.4 / 86400.0);
  // What the sky chart starts from.
  EXPECT_EQ((std::array{second.latitude, second.longitude, double(second.displayword)}),
            (std::array{48.2, 15.0 + 37.0 / 60.0, double(1015 | 210 << 12)}));
  // The list shakes hands the same way.
  in.deltaTPending = false;
  EXPECT_TRUE(buildephemerislist(in, english).deltatcomputed);
}

// Which bodies get a block: the Sun only with right ascension (never orbit
// lines), the Earth only with orbit data, nobody without any option (and no
// legend then); without the zodiac switch no constellation.
TEST(ReportsPositions, PlanetBlocks) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {10});
  in.orbit = true;
  in.radec = in.altaz = in.magnitude = false;
  EXPECT_FALSE(contains(buildplanetreport(in, german).text, "Daten von"));
  in.radec = true;
  const std::string sun = buildplanetreport(in, german).text;
  expectpieces(sun, "positions_pieces.txt", "PlanetBlocks/sun");
  in = planets(2024, 3, 15, 21, 30, 1, 740, {3});
  in.altaz = in.magnitude = false;
  EXPECT_FALSE(contains(buildplanetreport(in, english).text, "Earth"));
  in.orbit = true;
  const std::string earth = buildplanetreport(in, english).text;
  expectpieces(earth, "positions_pieces.txt", "PlanetBlocks/earth");
  in.zodiacEnabled = false;
  in.bodies[5] = true;
  const std::string plain = buildplanetreport(in, english).text;
  expectpieces(plain, "positions_pieces.txt", "PlanetBlocks/plain");
  in = planets(2024, 3, 15, 21, 30, 1, 740, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  in.radec = in.altaz = in.magnitude = false;
  const std::string none = buildplanetreport(in, german).text;
  expectpieces(none, "positions_pieces.txt", "PlanetBlocks/none");
  // Only the visible bodies with their short block: Jupiter, Uranus and the Moon.
  in.visibleonly = true;
  const std::string visible = buildplanetreport(in, german).text;
  EXPECT_EQ(countof(visible, "Daten von"), 3);
  expectpieces(visible, "positions_pieces.txt", "PlanetBlocks/visible");
}

TEST(ReportsPositions, PlanetZoneLabels) {
  PlanetInputs in = planets(2024, 7, 1, 12, 0, 5, 740, {5});
  in.halfzone = 1;
  const PlanetReport half = buildplanetreport(in, german);
  expectpieces(half.text, "positions_pieces.txt", "PlanetZoneLabels/half.text");
  EXPECT_NEAR(half.jd, datetojd(2024, 7, 1) + 0.5 - 5.5 / 24.0, 1e-9);
  // Austrian German names January "Jänner".
  in = planets(2024, 1, 2, 12, 0, 1, 740, {5});
  EXPECT_TRUE(contains(buildplanetreport(in, austrian).text, "\r\n Dienstag, 2. Jänner 2024 um 12:00 UTC+1 (MEZ)"));
}

TEST(ReportsPositions, PlanetInputsAreClampedAndPacked) {
  PlanetInputs in = planets(900, 4, 31, 30, 75, -20, -20000, {5});
  in.step = 0, in.pressure = -5, in.temperature = -200;
  in.azimuthnorth = true;
  in.place = GeoPlace{99, 30, 0, 0, 200, 10, 0, 1};
  const PlanetReport r = buildplanetreport(in, english);
  const PlanetInputs& c = r.corrected;
  EXPECT_EQ((std::array{c.year, c.day, c.hour, c.minute, c.zone, c.deltat, c.step, c.pressure, c.temperature}),
            (std::array{1000, 30, 23, 59, -12, -9999, 1, 0, -99}));
  EXPECT_EQ((std::array{c.place.latitudedegrees, c.place.latitudeminutes, c.place.longitudedegrees,
                         c.place.longitudeminutes}),
            (std::array{90, 0, 180, 0}));
  // The display word of the sky chart: pressure, temperature + 200, north-based azimuth, sexagesimal.
  EXPECT_EQ(r.displayword, 0 | 101 << 12 | 1 << 24);
  in.deltat = in.step = 200000;
  in.pressure = 5000, in.temperature = 300;
  in.azimuthnorth = false;
  in.sexagesimal = true;
  const PlanetReport high = buildplanetreport(in, english);
  EXPECT_EQ(high.corrected.deltat, 99999);
  EXPECT_EQ(high.displayword, 3000 | 400 << 12 | 1 << 28);
  EXPECT_EQ(buildephemerislist(in, english).corrected.step, 99999);
}


// The beginning and end of a list that stops after the step in which it
// passed 15,000 characters, keeping its trailer.
TEST(ReportsPositions, ListGoldenGerman) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {4, 10, 11});
  in.step = 1440;
  in.radec = in.orbit = in.details = true;
  const std::string t = buildephemerislist(in, german).text;
  EXPECT_TRUE(startswith(t, golden("ephemeris_head_de.txt")));
  EXPECT_TRUE(endswith(t, golden("ephemeris_tail_de.txt")));
  EXPECT_EQ(countof(t, "\r\n Mars "), 39);
  EXPECT_GT(utf8length(t), 15000u);
  EXPECT_LE(utf8length(t), 16000u);
}

TEST(ReportsPositions, ListStepLines) {
  auto stepline = [](int step, int language) {
    PlanetInputs in = planets(2024, 3, 15, 21, 30, 0, 740, {5});
    in.step = step;
    const std::string t = buildephemerislist(in, language).text;
    const std::size_t at = t.find(language == german ? "Schrittweite" : "Step Size");
    return t.substr(at, t.find("\r\n", at) - at);
  };
  EXPECT_EQ(stepline(2880, english) + "|" + stepline(60, english),
            "Step Size: 2880 Minutes (= 48.00 Hours = 2.00 Days)|Step Size: 60 Minutes (= 1.00 Hours) ");
  EXPECT_EQ(stepline(90, german) + "|" + stepline(59, german), "Schrittweite: 90 Minuten (= 1.50 Stunden) |Schrittweite: 59 Minuten");
}

TEST(ReportsPositions, ListTrailerAndZone) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 0, 740, {5});
  in.step = 60;
  in.azimuthnorth = true;
  EXPECT_TRUE(endswith(buildephemerislist(in, english).text,
                       "\r\n Zeitangaben in UTC (World Time)\r\n\r\n (North = 0 Deg., East = 90 Deg., South = 180 Deg., West = 270 Deg.) "));
  in.zone = -4;
  in.halfzone = 1;
  const std::string t = buildephemerislist(in, english).text;
  expectpieces(t, "positions_pieces.txt", "ListTrailerAndZone/t");
  // Local times of the lines: 21:30 in the zone, one hour apart.
  EXPECT_EQ(countof(t, "\r\n Jup. "), 100);
}

TEST(ReportsPositions, ListVisibleOnlyWithEverythingBelowTheHorizon) {
  // Around local midnight in March: the Sun, Mercury, Venus, Mars, Saturn
  // and Neptune stay below the horizon of Sankt Poelten for 100 minutes.
  PlanetInputs in = planets(2024, 3, 15, 0, 0, 1, 740, {1, 2, 4, 6, 8, 10});
  in.visibleonly = true;
  in.step = 1;
  EXPECT_EQ(buildephemerislist(in, german).text, golden("ephemeris_nothing_visible_de.txt"));
  // The same instant in English, 18:30 in zone -4 1/2, with the coordinate
  // lines and every column: the heading and the rule are put together from
  // their parts.
  in = planets(2024, 3, 14, 18, 30, -4, 740, {1, 2, 4, 6, 8, 10});
  in.halfzone = in.step = 1;
  in.visibleonly = in.orbit = in.details = true;
  EXPECT_EQ(buildephemerislist(in, english).text, golden("ephemeris_nothing_visible_en.txt"));
}

TEST(ReportsPositions, ListTicksAzimuthWhenNothingIsTicked) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {5});
  in.radec = in.altaz = in.magnitude = false;
  const PlanetReport r = buildephemerislist(in, english);
  EXPECT_TRUE(r.corrected.altaz && !r.corrected.radec);
  expectpieces(r.text, "positions_pieces.txt", "ListTicksAzimuthWhenNothingIsTicked/r.text");
  in.visibleonly = true;
  EXPECT_FALSE(buildephemerislist(in, english).corrected.altaz);
}
