// The sidereal time and planet position reports and the ephemeris list:
// golden texts (tests/golden/), the delta T hand-shake, the chart state, the
// option rules, the planet report's numbers against the engine, and the
// azimuths and altitudes of the reports and the sky chart against PyEphem.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
#include "reports/sky_chart.h"
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
  PlanetInputs in{
      .year = y, .month = mo, .day = d, .hour = h, .minute = mi, .zone = zone, .deltat = deltat, .deltaTPending = true};
  for (bool& b : in.bodies) b = false;
  for (int b : bodies) in.bodies[b] = true;
  return in;
}

// The angle printed at `at` (blanks skipped): decimal degrees, or degrees,
// minutes and seconds (" -18°34'05\"").
double printedangle(const std::string& s, std::size_t at) {
  if (at == std::string::npos) return NAN;
  char* end = nullptr;
  const double degrees = std::strtod(s.c_str() + at, &end);
  if (std::strncmp(end, "°", 2) != 0) return degrees;
  int minutes = 0, seconds = 0;
  if (std::sscanf(end + 2, "%d'%d", &minutes, &seconds) != 2) return NAN;
  const double magnitude = std::fabs(degrees) + minutes / 60.0 + seconds / 3600.0;
  return s.find('-', at) < static_cast<std::size_t>(end - s.c_str()) ? -magnitude : magnitude;
}

// Topocentric azimuth (from north) and altitude of each body at one place
// and instant by PyEphem (tests/data/topocentric_pyephem.txt, made by
// tools/gen_topocentric_reference.py).
struct SkyPlace {
  double jd;                            // UT, a whole minute
  int latitude, longitude;              // arcminutes, north and east positive
  int body;                             // the reports' numbering, 1..11
  double azimuth, altitude, refracted;  // degrees; refracted for 10 C and 1015 mbar
};
std::vector<std::vector<SkyPlace>> skyplaces() {
  std::vector<std::vector<SkyPlace>> instants;
  for (const auto& r : table("topocentric_pyephem.txt")) {
    const SkyPlace p{r[0], static_cast<int>(r[1]), static_cast<int>(r[2]), static_cast<int>(r[3]), r[4], r[5], r[6]};
    if (instants.empty() || instants.back().front().jd != p.jd) instants.emplace_back();
    instants.back().push_back(p);
  }
  return instants;
}

GeoPlace geoplace(int latitude, int longitude) {
  return GeoPlace{std::abs(latitude) / 60,  std::abs(latitude) % 60,  0, latitude >= 0 ? 1 : 0,
                  std::abs(longitude) / 60, std::abs(longitude) % 60, 0, longitude >= 0 ? 1 : 0};
}

// Checks a printed azimuth (from north) and altitude against PyEphem's:
// within tolerance degrees on the sky, plus half the printed resolution;
// the refracted altitude within 0.03 degrees above 5 degrees.
void expectsky(const SkyPlace& p, double azimuth, double altitude, double refracted, double resolution,
               const std::string& where) {
  const double tolerance = (p.body == 11 ? 0.03 : 0.01) + resolution / 2.0;
  const std::string what = where + " body " + std::to_string(p.body) + " at JD " + std::to_string(p.jd);
  if (!std::isnan(altitude)) {
    EXPECT_NEAR(altitude, p.altitude, tolerance) << what;
  }
  if (!std::isnan(azimuth)) {
    EXPECT_LE(std::fabs(wrap(azimuth, p.azimuth)) * std::cos(rad(p.altitude)), tolerance) << what;
  }
  if (!std::isnan(refracted) && p.refracted > 5.0) {
    EXPECT_NEAR(refracted, p.refracted, 0.03 + resolution / 2.0) << what;
  }
}

}  // namespace

// Where the Sun, the Moon and the planets stand for an observer, against an
// independent library at 200 places (both hemispheres) and instants of
// 1900..2100: the planet report (degrees, minutes and seconds), the first
// step of the ephemeris list (two decimals) and the sky chart's information
// lines (the bodies above the horizon, refracted altitude).
TEST(ReportsPositions, TopocentricPlacesAgainstPyEphem) {
  const auto instants = skyplaces();
  ASSERT_EQ(instants.size(), 200u);
  int moonabove = 0;
  for (const auto& bodies : instants) {
    const SkyPlace& first = bodies.front();
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    jdtodate(first.jd + 0.5 / 86400.0, year, month, day, hour, minute, second);
    PlanetInputs in = planets(year, month, day, hour, minute, 0, 0, {1, 2, 4, 5, 6, 7, 8, 9, 10, 11});
    in.place = geoplace(first.latitude, first.longitude);
    in.explicitplace = in.azimuthnorth = in.sexagesimal = true;
    in.deltaTPending = false;  // the report's own delta T
    in = buildplanetreport(in, english).corrected;
    const std::string report = buildplanetreport(in, english).text;
    in.sexagesimal = in.radec = in.magnitude = false;
    in.deltaTPending = true;
    const std::string list = buildephemerislist(in, english).text;
    const SkyChart chart = buildskychart({.instant = first.jd,
                                          .longitude = first.longitude / 60.0,
                                          .latitude = first.latitude / 60.0,
                                          .displayword = 1015 | 210 << 12 | 1 << 24},
                                         200, english);
    for (const SkyPlace& p : bodies) {
      const std::string name = bodynames[namerow(english)][p.body];
      // The report's block: "Azimuth:  149°27'53\" - Height over Horizon:   14°20'10\" (with Refraction ...".
      const std::size_t block = report.find("Data of " + name);
      ASSERT_NE(block, std::string::npos) << name;
      const std::size_t az = report.find("Azimuth: ", block) + 9;
      const std::size_t alt = report.find("Height over Horizon: ", az) + 21;
      const std::size_t refr = report.find("(with Refraction ", alt) + 17;
      expectsky(p, printedangle(report, az), printedangle(report, alt), printedangle(report, refr), 1.0 / 3600.0,
                "report");
      // The list's line: "Moon Mar. 15, 2026 06:00     -8.0  47.1  16.0 149.47  14.34 (14.40)  30.5' [  7.87]";
      // the refracted altitude only above 0.
      const std::size_t line = list.find("\r\n " + std::string(shortbodynames[namerow(english)][p.body]));
      ASSERT_NE(line, std::string::npos) << name;
      // After the time: magnitude, elongation, illumination, azimuth, altitude.
      char* end = const_cast<char*>(list.c_str() + list.find(':', line) + 3);
      double columns[5];
      for (double& column : columns) column = std::strtod(end, &end);
      const double listrefr = std::strncmp(end, " (", 2) == 0 ? std::strtod(end + 2, nullptr) : NAN;
      expectsky(p, columns[3], columns[4], listrefr, 0.01, "list");
      // The chart's line: "Moon:    Azimuth: 149.47 Deg. - Height over Horizon (inkl. Refr.):  14.40 Deg. ...".
      bool charted = false;
      for (const std::string& info : chart.info) {
        if (!startswith(info, name + ":")) continue;
        charted = true;
        expectsky(p, printedangle(info, info.find("Azimuth:") + 8), NAN, printedangle(info, info.find("Refr.):") + 7),
                  0.01, "chart");
      }
      // Drawn when above the horizon, refraction included (a body within
      // the tolerance of the horizon may go either way).
      if (std::fabs(p.refracted) > 0.05) {
        EXPECT_EQ(charted, p.refracted > 0.0) << name << " at JD " << p.jd;
      }
      if (p.body == 11 && p.altitude > 0.0) ++moonabove;
    }
  }
  EXPECT_GT(moonabove, 60);  // the Moon's parallax is tested, not only its absence
}

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
  auto stepline = [](int step, Language language) {
    PlanetInputs in = planets(2024, 3, 15, 21, 30, 0, 740, {5});
    in.step = step;
    const std::string t = buildephemerislist(in, language).text;
    const std::size_t at = t.find(language == german ? "Schrittweite" : "Step Size");
    return t.substr(at, t.find("\r\n", at) - at);
  };
  EXPECT_EQ(stepline(2880, english) + "|" + stepline(60, english),
            "Step Size: 2880 Minutes (= 48.00 Hours = 2.00 Days)|Step Size: 60 Minutes (= 1.00 Hours) ");
  EXPECT_EQ(stepline(90, german) + "|" + stepline(59, german),
            "Schrittweite: 90 Minuten (= 1.50 Stunden) |Schrittweite: 59 Minuten");
}

TEST(ReportsPositions, ListTrailerAndZone) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 0, 740, {5});
  in.step = 60;
  in.azimuthnorth = true;
  EXPECT_TRUE(endswith(buildephemerislist(in, english).text,
                       "\r\n Zeitangaben in UTC (World Time)\r\n\r\n (North = 0 Deg., East = 90 Deg., South = 180 "
                       "Deg., West = 270 Deg.) "));
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
