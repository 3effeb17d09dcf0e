// The sidereal time and planet position reports and the ephemeris list:
// golden texts (tests/golden/), the delta T hand-shake, the chart state, the
// option rules, and the planet report's numbers against the engine.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "app/configuration.h"
#include "app/startup.h"
#include "astro/apparent.h"
#include "astro/frame.h"
#include "astro/nutation.h"
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
  if (i == std::string::npos) return NAN;
  return std::strtod(s.c_str() + i + label.size(), nullptr);
}

SiderealInputs sidereal(int y, int mo, int d, int h, int mi, int zone, int half = 0) {
  return {.year = y, .month = mo, .day = d, .hour = h, .minute = mi, .zone = zone, .halfzone = half};
}

// Planet inputs with delta T given (the second half of the hand-shake).
PlanetInputs planets(int y, int mo, int d, int h, int mi, int zone, int deltat, std::initializer_list<int> bodies) {
  PlanetInputs in;
  in.year = y, in.month = mo, in.day = d, in.hour = h, in.minute = mi, in.zone = zone;
  in.deltat = deltat;
  in.deltaTPending = true;
  for (bool& b : in.bodies) b = false;
  for (int b : bodies) in.bodies[b] = true;
  return in;
}

void options(PlanetInputs& in, bool orbit, bool radec, bool altaz, bool magnitude) {
  in.orbit = orbit, in.radec = radec, in.altaz = altaz, in.magnitude = magnitude;
}

}  // namespace

// ---- Sidereal time ------------------------------------------------------------

TEST(ReportsPositions, SiderealGoldenGerman) {
  EXPECT_EQ(buildsiderealreport(sidereal(2024, 3, 15, 21, 30, 1), german).text,
            golden("sidereal_de.txt"));
}

TEST(ReportsPositions, SiderealGoldenEnglishHalfZoneNorthBased) {
  SiderealInputs in = sidereal(2000, 1, 1, 12, 0, -5, 1);
  in.place = GeoPlace{40, 43, 0, 1, 74, 0, 0, 0};
  in.azimuthnorth = 1;
  EXPECT_EQ(buildsiderealreport(in, english).text,
            golden("sidereal_half_zone_en.txt"));
}

TEST(ReportsPositions, SiderealGreenwichWorkedExample) {
  // Meeus, Astronomical Algorithms, example 12.a: 1987 April 10, 0h UT at
  // Greenwich, mean sidereal time 13h10m46.3668s, apparent 13h10m46.1351s.
  SiderealInputs in = sidereal(1987, 4, 10, 0, 0, 0);
  in.place = GeoPlace{51, 28, 0, 1, 0, 0, 0, 1};
  const std::string en = buildsiderealreport(in, english).text;
  EXPECT_TRUE(contains(en, "\r\n\r\n Local Mean Sidereal Time for the Longitude = Greenwich Zero Meridian \r\n"
                           "  0.000 Deg. East at 00:00 UTC\r\n\r\n"
                           " 13.17955 Hours Local Sidereal Time corresponding 13 Hours 10 Minutes 46 Seconds (void  Nutation) \r\n"
                           " 13.17948 Hours Local Sidereal Time corresponding 13 Hours 10 Minutes 46 Seconds (incl. Nutation) "))
      << en;
  EXPECT_TRUE(contains(buildsiderealreport(in, german).text,
                       "\r\n\r\n Mittlere Ortssternzeit für den Längengrad = Greenwich Null Meridian \r\n"
                       "  0.000 Grad Ost um 00:00 UTC\r\n\r\n"));
  // A named place on the meridian keeps its name and the Greenwich words.
  in.places = readConfigurationContent("51 N 28   000E 00 Greenwich Observatory\n").locationTable;
  EXPECT_TRUE(contains(buildsiderealreport(in, german).text,
                       " Mittlere Ortssternzeit für Greenwich Observatory = Greenwich Null Meridian \r\n"));
}

TEST(ReportsPositions, SiderealInstantZonesAndClamps) {
  // Midnight local time in zone +1 is 23:00 UT of the day before.
  const SiderealReport midnight = buildsiderealreport(sidereal(2024, 3, 15, 0, 0, 1), german);
  EXPECT_TRUE(contains(midnight.text, "\r\n\r\n Julianisches Datum: 2460384.45833\r\n"));
  // Half zones: +5 1/2 hours and -3 1/2 hours; zones 0, 12 and -12 have none.
  const double noon = datetojd(2024, 3, 15) + 0.5;
  const struct {
    int zone, half;
    double hours;
  } zones[] = {{5, 1, 5.5}, {-3, 1, -3.5}, {0, 1, 0.0}, {12, 1, 12.0}, {-12, 1, -12.0}};
  for (const auto& z : zones) {
    const SiderealReport r = buildsiderealreport(sidereal(2024, 3, 15, 12, 0, z.zone, z.half), english);
    EXPECT_NEAR(r.jd, noon - z.hours / 24.0, 1e-9) << z.zone;
    EXPECT_EQ(r.corrected.halfzone, z.hours != z.zone ? 1 : 0) << z.zone;
  }
  EXPECT_TRUE(contains(buildsiderealreport(sidereal(2024, 3, 15, 12, 0, -3, 1), german).text, "um 12:00 UTC-3 1/2"));
  // Clamps like the planet dialog; no place means place entry 0 with its name.
  const SiderealReport r = buildsiderealreport(sidereal(3500, 2, 31, 24, 61, 13, 1), english);
  EXPECT_EQ((std::array{r.corrected.year, r.corrected.day, r.corrected.hour, r.corrected.minute, r.corrected.zone,
                         r.corrected.halfzone}),
            (std::array{3000, 28, 23, 59, 12, 0}));
  EXPECT_EQ(r.placename, "Sankt Pölten (Austria)");
  EXPECT_EQ(r.corrected.place.latitudeminutes, 12);
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

// ---- Planet position report -------------------------------------------------------

TEST(ReportsPositions, PlanetGoldenGerman) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {3, 5, 11});
  in.details = true;
  in.orbit = true;
  in.visibleonly = true;
  EXPECT_EQ(buildplanetreport(in, german).text,
            golden("planets_de.txt"));
}

TEST(ReportsPositions, PlanetGoldenEnglishSexagesimal) {
  PlanetInputs in = planets(2000, 1, 1, 12, 0, 0, 639, {2, 10});
  in.sexagesimal = true;
  in.azimuthnorth = true;
  in.place = GeoPlace{51, 28, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(buildplanetreport(in, english).text,
            golden("planets_sexagesimal_en.txt"));
}

// The numbers of the orbit and position lines are the engine's at the
// report's instant (UT and the delta T given), rounded as printed.
TEST(ReportsPositions, PlanetNumbersAreTheEnginesOwn) {
  const int when[][5] = {{1950, 6, 1, 0, 0}, {2000, 1, 1, 12, 0}, {2024, 3, 15, 21, 30}, {2090, 11, 30, 6, 45}};
  for (const auto& w : when) {
    PlanetInputs in = planets(w[0], w[1], w[2], w[3], w[4], 0, 700, {1, 4, 5, 6, 9});
    options(in, true, true, false, false);
    in.details = true;
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
  EXPECT_TRUE(first.deltatcomputed);
  EXPECT_TRUE(first.text.empty());
  EXPECT_TRUE(first.corrected.deltaTPending);
  EXPECT_EQ(first.corrected.deltat, 740);
  // The dialog keeps the flag handed back, writes the value into its field
  // and runs the report again.
  in.deltaTPending = first.corrected.deltaTPending;
  in.deltat = 1234;  // as the user might have typed it
  const PlanetReport second = buildplanetreport(in, german);
  EXPECT_FALSE(second.deltatcomputed);
  EXPECT_FALSE(second.corrected.deltaTPending);
  EXPECT_TRUE(contains(second.text, " | Differenz TDB <-> UTC deltaT (Sek.): 123.4"));
  EXPECT_DOUBLE_EQ(second.jde, second.jd + 123.4 / 86400.0);
  // What the sky chart starts from.
  EXPECT_NEAR(second.latitude, 48.2, 1e-12);
  EXPECT_NEAR(second.longitude, 15.0 + 37.0 / 60.0, 1e-12);
  EXPECT_EQ(second.displayword, 1015 | 210 << 12);
  // The list shakes hands the same way.
  in.deltaTPending = false;
  const PlanetReport list = buildephemerislist(in, english);
  EXPECT_TRUE(list.deltatcomputed);
  EXPECT_TRUE(list.text.empty());
}

TEST(ReportsPositions, PlanetSunWithOrbitDataOnlyHasNoBlock) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {10});
  options(in, true, false, false, false);
  const std::string t = buildplanetreport(in, german).text;
  EXPECT_FALSE(contains(t, "Daten von"));
  EXPECT_TRUE(contains(t, "(eL / eB = Ekliptikale Länge / Breite) \r\n\r\n (Süd = 0 Grad,"));
  // With right ascension the Sun has its block, still without orbit lines.
  in.radec = true;
  const std::string with = buildplanetreport(in, german).text;
  EXPECT_TRUE(contains(with, "\r\n\r\n Daten von Sonne:   Fische     - eL: 355.75 Grad / eB:   0.00 Grad \r\n Rekt. "));
  EXPECT_FALSE(contains(with, "Längengr."));
}

TEST(ReportsPositions, PlanetEarthOnlyWithOrbitData) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {3});
  options(in, false, true, false, false);
  const std::string none = buildplanetreport(in, english).text;
  EXPECT_FALSE(contains(none, "Data of"));
  EXPECT_FALSE(contains(none, "Earth"));
  in.orbit = true;
  const std::string orbit = buildplanetreport(in, english).text;
  EXPECT_TRUE(contains(orbit, "\r\n\r\n Data of Earth:   \r\n Longitude: "));
  EXPECT_FALSE(contains(orbit, "Right Asc."));
  // Without the zodiac switch no body names a constellation.
  in.zodiacEnabled = false;
  in.bodies[5] = true;
  const std::string plain = buildplanetreport(in, english).text;
  EXPECT_TRUE(contains(plain, "\r\n\r\n Data of Jupiter: \r\n Longitude: "));
  EXPECT_FALSE(contains(plain, "Zodiacal"));
}

TEST(ReportsPositions, PlanetNoOptionsMeansNoBlocks) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  options(in, false, false, false, false);
  const std::string t = buildplanetreport(in, german).text;
  EXPECT_FALSE(contains(t, "Daten von"));
  EXPECT_FALSE(contains(t, "(Süd = 0"));  // no legend either
  EXPECT_TRUE(endswith(t, "\r\n\r\n Mondbeleuchtung um 21:30 UTC+1 (MEZ): 36.4 Prozent\r\n Mondphase = Zunehmende Sichel"));
  // Only the visible bodies with their short block: Jupiter, Uranus and the Moon.
  in.visibleonly = true;
  const std::string visible = buildplanetreport(in, german).text;
  EXPECT_EQ(countof(visible, "Daten von"), 3);
  EXPECT_TRUE(contains(visible, "\r\n\r\n Daten von Uranus:  Widder     - eL:  50.08 Grad / eB:  -0.28 Grad "
                                "\r\n Azimuth: 101.4 Grad - Höhe über Horizont:  13.4 Grad (mit Refraktion  13.5 Grad) "
                                "\r\n Elongation:  54.3 Grad - Beleuchtung: 100.0 %  - Magnitude:   5.8 - Durchmesser: 3.5\" "));
  EXPECT_TRUE(contains(visible, "(Süd = 0"));
}

TEST(ReportsPositions, PlanetZoneLabels) {
  PlanetInputs in = planets(2024, 7, 1, 12, 0, 0, 740, {5});
  EXPECT_TRUE(contains(buildplanetreport(in, german).text, "\r\n Montag, 1. Juli 2024 um 12:00 UTC\r\n"));
  in.zone = 2;
  EXPECT_TRUE(contains(buildplanetreport(in, english).text, "\r\n Monday, July 1st, 2024 at 12:00 UTC+2 (CEST)\r\n"));
  in.zone = 5;
  in.halfzone = 1;
  const PlanetReport half = buildplanetreport(in, german);
  EXPECT_TRUE(contains(half.text, " um 12:00 UTC+5 1/2\r\n"));
  EXPECT_TRUE(contains(half.text, "\r\n\r\n Mondbeleuchtung um 12:00 UTC+5 1/2: "));
  EXPECT_NEAR(half.jd, datetojd(2024, 7, 1) + 0.5 - 5.5 / 24.0, 1e-9);
  // Austrian German names January "Jänner".
  in = planets(2024, 1, 2, 12, 0, 1, 740, {5});
  EXPECT_TRUE(contains(buildplanetreport(in, austrian).text, "\r\n Dienstag, 2. Jänner 2024 um 12:00 UTC+1 (MEZ)"));
}

TEST(ReportsPositions, PlanetInputsAreClampedAndPacked) {
  PlanetInputs in = planets(900, 4, 31, 30, 75, -20, -20000, {5});
  in.step = 0;
  in.pressure = -5;
  in.temperature = -200;
  in.azimuthnorth = true;
  in.place = GeoPlace{99, 30, 0, 0, 200, 10, 0, 1};
  const PlanetReport r = buildplanetreport(in, english);
  EXPECT_EQ((std::array{r.corrected.year, r.corrected.day, r.corrected.hour, r.corrected.minute, r.corrected.zone,
                         r.corrected.deltat, r.corrected.step, r.corrected.pressure, r.corrected.temperature}),
            (std::array{1000, 30, 23, 59, -12, -9999, 1, 0, -99}));
  EXPECT_EQ((std::array{r.corrected.place.latitudedegrees, r.corrected.place.latitudeminutes,
                         r.corrected.place.longitudedegrees, r.corrected.place.longitudeminutes}),
            (std::array{90, 0, 180, 0}));
  // The display word of the sky chart: pressure, temperature + 200, north-based azimuth, sexagesimal.
  EXPECT_EQ(r.displayword, 0 | 101 << 12 | 1 << 24);
  in.deltat = 200000;
  in.step = 200000;
  in.pressure = 5000;
  in.temperature = 300;
  in.azimuthnorth = false;
  in.sexagesimal = true;
  const PlanetReport high = buildplanetreport(in, english);
  EXPECT_EQ(high.corrected.deltat, 99999);
  EXPECT_EQ(high.displayword, 3000 | 400 << 12 | 1 << 28);
  EXPECT_EQ(buildephemerislist(in, english).corrected.step, 99999);
}

// ---- Ephemeris list --------------------------------------------------------------

TEST(ReportsPositions, ListGoldenGerman) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {4, 10, 11});
  in.step = 1440;
  in.radec = true;
  in.orbit = true;
  in.details = true;
  const std::string t = buildephemerislist(in, german).text;
  EXPECT_TRUE(startswith(t,
            "\r\n\r\n"
            " Für den Ort Sankt Pölten (Austria) \r\n"
            "  48 Grad 12 Min. Nord   48.200 Grad Nord \r\n"
            "  15 Grad 37 Min. Ost    15.617 Grad Ost  \r\n\r\n"
            " Schrittweite: 1440 Minuten (= 24.00 Stunden = 1.00 Tage)\r\n\r\n"
            "      Datum          Zeit        Rekt.      Dekl.     Lambda   Entf.   Mag Elong    Bel  Azim.   Höhe (Refr.)  Dia.  [Sonne] \r\n"
            " --------------------------------------------------------------------------------------------------------------------------- \r\n"
            " Mars 15. März 2024 21:30     21h48'34\" -14°27'30\" 324°26'55\"  2.1525   1.2  31.3  96.5 162.68 -55.24           4.4\" [-32.65] \r\n"));
  EXPECT_TRUE(endswith(t,
            " Mond 22. Apr. 2024 21:30     13h15'10\"  -8°26'04\" 200°31'49\"  0.0027 -12.3 167.4  98.8 332.14  28.16 (28.19)  29.7' [-21.15] \r\n"
            " Zeitangaben in UTC+1 (MEZ)\r\n\r\n"
            " (Süd = 0 Grad, West = 90 Grad, Nord = 180 Grad, Ost = 270 Grad) "));
  // The list stops after the step in which it passed 15,000 characters.
  EXPECT_EQ(countof(t, "\r\n Mars "), 39);
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
  EXPECT_EQ(stepline(1440, german), "Schrittweite: 1440 Minuten (= 24.00 Stunden = 1.00 Tage)");
  EXPECT_EQ(stepline(1440, english), "Step Size: 1440 Minutes (= 24.00 Hours = 1.00 Days)");
  EXPECT_EQ(stepline(90, german), "Schrittweite: 90 Minuten (= 1.50 Stunden) ");
  EXPECT_EQ(stepline(60, english), "Step Size: 60 Minutes (= 1.00 Hours) ");
  EXPECT_EQ(stepline(59, german), "Schrittweite: 59 Minuten");
  EXPECT_EQ(stepline(2880, english), "Step Size: 2880 Minutes (= 48.00 Hours = 2.00 Days)");
}

TEST(ReportsPositions, ListTrailerAndZone) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 0, 740, {5});
  in.step = 60;
  EXPECT_TRUE(endswith(buildephemerislist(in, german).text,
                       "\r\n Zeitangaben in UTC (Weltzeit)\r\n\r\n (Süd = 0 Grad, West = 90 Grad, Nord = 180 Grad, Ost = 270 Grad) "));
  in.azimuthnorth = true;
  EXPECT_TRUE(endswith(buildephemerislist(in, english).text,
                       "\r\n Zeitangaben in UTC (World Time)\r\n\r\n (North = 0 Deg., East = 90 Deg., South = 180 Deg., West = 270 Deg.) "));
  in.zone = -4;
  in.halfzone = 1;
  const std::string t = buildephemerislist(in, english).text;
  EXPECT_TRUE(contains(t, "\r\n Zeitangaben in UTC-4 1/2\r\n"));
  // Local times of the lines: 21:30 in the zone, one hour apart.
  EXPECT_TRUE(contains(t, "\r\n Jup. Mar. 15, 2024 21:30   "));
  EXPECT_TRUE(contains(t, "\r\n Jup. Mar. 15, 2024 22:30   "));
  EXPECT_EQ(countof(t, "\r\n Jup. "), 100);
}

TEST(ReportsPositions, ListVisibleOnlyWithEverythingBelowTheHorizon) {
  // Around local midnight in March: the Sun, Mercury, Venus, Mars, Saturn
  // and Neptune stay below the horizon of Sankt Poelten for 100 minutes.
  PlanetInputs in = planets(2024, 3, 15, 0, 0, 1, 740, {1, 2, 4, 6, 8, 10});
  in.visibleonly = true;
  in.step = 1;
  const std::string t = buildephemerislist(in, german).text;
  EXPECT_EQ(t,
            golden("ephemeris_nothing_visible_de.txt"));
  // The same instant in English, 18:30 in zone -4 1/2, with the coordinate
  // lines and every column: the heading and the rule are put together from
  // their parts.
  in = planets(2024, 3, 14, 18, 30, -4, 740, {1, 2, 4, 6, 8, 10});
  in.halfzone = 1;
  in.visibleonly = in.orbit = in.details = true;
  in.step = 1;
  EXPECT_EQ(buildephemerislist(in, english).text,
            golden("ephemeris_nothing_visible_en.txt"));
}

TEST(ReportsPositions, ListTicksAzimuthWhenNothingIsTicked) {
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {5});
  options(in, false, false, false, false);
  const PlanetReport r = buildephemerislist(in, english);
  EXPECT_TRUE(r.corrected.altaz);
  EXPECT_FALSE(r.corrected.radec);
  EXPECT_TRUE(contains(r.text, "      Date           Time    Mag Elong   Ill.  Azim. Height (Refr.)  Dia.    [Sun] "));
  in.visibleonly = true;
  EXPECT_FALSE(buildephemerislist(in, english).corrected.altaz);
}

TEST(ReportsPositions, ListStopsBeforeTheBufferIsFull) {
  // All bodies with every column, one minute apart: the list stops after
  // passing 15,000 characters and keeps its trailer.
  PlanetInputs in = planets(2024, 3, 15, 21, 30, 1, 740, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
  in.radec = in.orbit = in.details = true;
  for (int language : {german, english}) {
    const std::string t = buildephemerislist(in, language).text;
    EXPECT_LE(utf8length(t), 15999u);
    EXPECT_GT(utf8length(t), 15000u);
    EXPECT_TRUE(endswith(t, " = 270 Grad) ") || endswith(t, " = 270 Deg.) "));
    const int lines = countof(t, language == german ? "\r\n Mars " : "\r\n Mars ");
    EXPECT_LT(lines, 100);
    EXPECT_EQ(countof(t, "\r\n Mer."), lines);
    EXPECT_EQ(countof(t, language == german ? "\r\n Son." : "\r\n Sun "), lines);
  }
}
