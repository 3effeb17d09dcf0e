// The moon report: golden texts (tests/golden/), the zone and half-zone
// rules, the event time lines, the eclipse order, and the phase lists checked
// against the lunar phases converted independently.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/moon_report.h"
#include "support.h"

using namespace quendal;
using namespace testsupport;

namespace {

MoonReportInputs inputs(int year, int month, int day, int hour, int minute, int zone, int page = 0,
                        int seconds = 0, int half = 0) {
  return {year, month, day, hour, minute, zone, half, page, seconds};
}

std::string text(const MoonReportInputs& in, int language) { return buildmoonreport(in, language).text; }

}  // namespace

// Whole pages written by hand from the format strings (tests/golden/). The
// values agree with an independent ephemeris (15 March 2024, 12:00 UT:
// illumination 32.80 %, 378121 km, libration 7°10'12" / -5°07'50", Moon RA
// 4h08'54" Dec 25°02'46", Sun RA 23h43'05" Dec -1°49'49") and with the
// published phases (full moon 25 March 07:00, new moon 8 April 18:21, first
// quarter 15 April 19:13, full moon 23 April 23:49, last quarter 1 May 11:27 UT).
TEST(ReportsMoon, Goldens) {
  const struct {
    int zone, page, seconds, language;
    const char* file;
  } pages[] = {
      {1, moonnow, 0, german, "moon_now_de.txt"},
      {0, moonnow, 1, english, "moon_now_seconds_en.txt"},
      {automaticzone, moonfullmoons, 0, german, "moon_full_moons_de.txt"},
      {0, moonnewmoons, 1, english, "moon_new_moons_seconds_en.txt"},
      {automaticzone, mooneclipses, 0, german, "moon_eclipses_de.txt"},
      {automaticzone, moonseasons, 1, english, "moon_seasons_seconds_en.txt"},
  };
  for (const auto& p : pages)
    EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, p.zone, p.page, p.seconds), p.language), golden(p.file)) << p.file;
  // The same layouts in the other language: its own words and zone labels.
  const std::string eclipses = text(inputs(2024, 3, 15, 12, 0, 0, mooneclipses), english);
  expectpieces(eclipses, "moon_pieces.txt", "Goldens/eclipses");
  const std::string seasons = text(inputs(2024, 3, 15, 12, 0, 0, moonseasons), german);
  expectpieces(seasons, "moon_pieces.txt", "Goldens/seasons");
}

// German with seconds: sexagesimal angles, times to the second, intervals in
// "Sek".
TEST(ReportsMoon, GermanWithSeconds) {
  const std::string now = text(inputs(2024, 3, 15, 12, 0, 0, moonnow, 1), german);
  expectpieces(now, "moon_pieces.txt", "GermanWithSeconds/now");
  const std::string newmoons = text(inputs(2024, 3, 15, 12, 0, 0, moonnewmoons, 1), german);
  expectpieces(newmoons, "moon_pieces.txt", "GermanWithSeconds/newmoons");
}

// The age in days, hours and minutes: 30 seconds and more carry into the
// minutes, 60 minutes into the hours, 24 hours into the days (new moon 10
// March 2024, 09:00:18 UT).
TEST(ReportsMoon, AgeCarriesAtSixtyMinutes) {
  EXPECT_TRUE(contains(text(inputs(2024, 3, 10, 10, 0, 0), english), " Days =  0 Days  1 Hours  0 Minutes  \r\n"));
  EXPECT_TRUE(contains(text(inputs(2024, 3, 11, 9, 0, 0), german), " Tage =  1 Tage  0 Stunden  0 Minuten  \r\n"));
  EXPECT_TRUE(contains(text(inputs(2024, 3, 10, 9, 59, 0), english), " Days =  0 Days  0 Hours 59 Minutes  \r\n"));
}

TEST(ReportsMoon, InputLimits) {
  MoonReport r = buildmoonreport(inputs(1500, 13, 40, 30, 70, 15), german);
  const MoonReportInputs& c = r.corrected;
  EXPECT_EQ((std::array{c.year, c.month, c.day, c.hour, c.minute, c.zone}), (std::array{1600, 12, 31, 23, 59, 12}));
  expectpieces(r.text, "moon_pieces.txt", "InputLimits/r.text");
  const MoonReportInputs high = buildmoonreport(inputs(2401, 1, 1, 0, 0, -20), german).corrected;
  EXPECT_EQ(high.year * 100 + high.zone, 2400 * 100 - 12);
  // A day beyond the end of the month is lowered to its last day.
  r = buildmoonreport(inputs(2023, 2, 31, 12, 0, 1), german);
  EXPECT_EQ(r.corrected.day, 28);
  expectpieces(r.text, "moon_pieces.txt", "InputLimits/february");
  EXPECT_EQ(buildmoonreport(inputs(2024, 2, 30, 12, 0, 1), german).corrected.day, 29);
  // Unknown pages show page 0.
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 1, 9), german).corrected.page, 0);
  EXPECT_EQ(text(inputs(2024, 3, 15, 12, 0, 1, -1), german), text(inputs(2024, 3, 15, 12, 0, 1), german));
}

TEST(ReportsMoon, ZoneRules) {
  // The instant (JD, UT) of 12:00 in the zone and the label of the time lines.
  struct Case {
    int month, day, zone, half, language;
    const char* label;
    const char* jd;
  };
  const Case cases[] = {
      {7, 1, automaticzone, 1, german, "MESZ", "2460492,91667"},  // summer time: 10:00 UT
      {1, 1, automaticzone, 0, english, "CET", "2460310.95833"},
      {3, 15, 5, 1, german, "UTC+5 1/2", "2460384,77083"},  // half an hour further from UTC
      {3, 15, -3, 1, english, "UTC-3 1/2", "2460385.14583"},
      {3, 15, 0, 0, english, "UTC (World Time)", "2460385.00000"},
      {3, 15, -7, 0, english, "UTC-7", "2460385.29167"},
  };
  for (const Case& c : cases) {
    const MoonReport r = buildmoonreport(inputs(2024, c.month, c.day, 12, 0, c.zone, moonnow, 0, c.half), c.language);
    const bool g = c.language != english;
    const std::string expected = std::string(g ? "\r\n Julianisches Datum: (JD) " : "\r\n Julian Date: (JD) ") + c.jd +
                                 (g ? "\r\n Mondbeleuchtung um 12:00 " : "\r\n Moon's Illumination at 12:00 ") + c.label +
                                 ":";
    EXPECT_TRUE(contains(r.text, expected)) << expected;
  }
  // Zone 99 stays 99 and clears the half-hour flag; so do 0, 12 and -12; a
  // zone beyond 12 is limited first.
  MoonReport r = buildmoonreport(inputs(2024, 7, 1, 12, 0, automaticzone, moonnow, 0, 1), german);
  EXPECT_EQ(r.corrected.zone, automaticzone);
  EXPECT_EQ(r.automatic, 1);
  EXPECT_EQ(r.corrected.half, 0);
  for (int zone : {0, 12, -12, 15})
    EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, zone, moonnow, 0, 1), german).corrected.half, 0) << zone;
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 0, moonnow, 0, 1), german).text,
            text(inputs(2024, 3, 15, 12, 0, 0), german));
  EXPECT_EQ(buildmoonreport(inputs(2024, 3, 15, 12, 0, 5, moonnow, 0, 1), german).corrected.half, 1);
  // The lists: "UTC" for zone 0.
  EXPECT_TRUE(contains(text(inputs(2024, 3, 15, 12, 0, 0, moonnewmoons), german), " Neumonde des Jahres 2024: UTC\r\n"));
  EXPECT_TRUE(contains(text(inputs(2024, 3, 15, 12, 0, 3, moonnewmoons), german), " Neumonde des Jahres 2024: UTC+3\r\n"));
  // Event time lines in the automatic zone follow the event's own date.
  const std::string automatic = text(inputs(2024, 3, 15, 12, 0, automaticzone), german);
  expectpieces(automatic, "moon_pieces.txt", "ZoneRules/automatic");
}

TEST(ReportsMoon, DaysUntilAnEvent) {
  // New moon 8 April 2024 18:20:48 UT, asked for at 06:00 UT of the 8th, 7th and 6th.
  struct Case {
    int day, hour, minute, seconds, language;
    const char* line;
  };
  const Case cases[] = {
      {8, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in < 1 Tag \r\n"},
      {7, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in 1 Tag \r\n"},
      {6, 6, 0, 0, german, "\r\n Montag, 8. April 2024 um ca. 18:21 UTC (Weltzeit)  in 2 Tagen \r\n"},
      {8, 6, 0, 0, english, "\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in < 1 Day \r\n"},
      // With seconds the instant as it is; without, 18:20:48 rounds to 18:21.
      {6, 6, 0, 1, english, "\r\n Monday, April 8th, 2024 at approx. 18:20:48 UTC (World Time)  in 2 Days \r\n"},
      // Exactly at the new moon (rounded to the minute) it is still the next one.
      {8, 18, 20, 0, english,
       " Next New Moon: JD 2460409.26445\r\n Monday, April 8th, 2024 at approx. 18:21 UTC (World Time)  in < 1 Day "},
  };
  for (const Case& c : cases)
    EXPECT_TRUE(contains(text(inputs(2024, 4, c.day, c.hour, c.minute, 0, moonnow, c.seconds), c.language), c.line))
        << c.line;
}

TEST(ReportsMoon, AustrianJanuary) {
  const std::string at = text(inputs(2025, 1, 10, 21, 30, automaticzone), austrian);
  expectpieces(at, "moon_pieces.txt", "AustrianJanuary/at");
  const std::string de = text(inputs(2025, 1, 10, 21, 30, automaticzone), german);
  expectpieces(de, "moon_pieces.txt", "AustrianJanuary/de");
  EXPECT_TRUE(contains(text(inputs(2025, 1, 10, 21, 30, automaticzone, moonfullmoons), austrian),
                       "\r\n 13. Jänner (Mo.) ca. 23:27 MEZ "));
}

TEST(ReportsMoon, EclipsesInTimeOrder) {
  const char* const kinds[5] = {" Next Partial Eclipse of the Sun: JD ", " Next Total Eclipse of the Sun: JD ",
                                " Next Circular Eclipse of the Sun: JD ", " Next Partial Eclipse of the Moon: JD ",
                                " Next Total Eclipse of the Moon: JD "};
  for (int year = 1950; year <= 2100; year += 7) {
    const MoonReportInputs in = inputs(year, 1 + year % 12, 1 + year % 28, 12, 0, 0, mooneclipses);
    const std::string t = text(in, english);
    const double now = datetojd(in.year, in.month, in.day) + 0.5;
    std::vector<std::pair<std::size_t, double>> found;
    for (const char* kind : kinds) {
      const std::size_t at = t.find(kind);
      ASSERT_NE(at, std::string::npos) << year << kind;
      EXPECT_EQ(t.find(kind, at + 1), std::string::npos);
      found.push_back({at, std::atof(t.c_str() + at + std::string(kind).size())});
    }
    std::sort(found.begin(), found.end());
    for (std::size_t i = 0; i < found.size(); ++i) {
      EXPECT_GE(found[i].second, now) << year;
      if (i > 0) {
        EXPECT_GT(found[i].second, found[i - 1].second) << year;
      }
    }
  }
}

// The phase lists in fixed zones, half zones and across the date line of the
// zone, written from the phases in universal time (full moons 28 October
// 2023 20:24, 27 December 2023 00:33, 23 April 2024 23:49; first quarter 15
// April 2024 19:13, last quarter 1 May 2024 11:27).
TEST(ReportsMoon, PhaseListsInTheZone) {
  const struct {
    int zone, half, page, language;
    const char* line;
  } cases[] = {
      {-5, 0, moonfullmoons, german, "\r\n 26. Dezember (Di.) ca. 19:33 UTC-5 + 29 Tg 17 Std 21 Min = \r\n"},
      {-5, 0, moonfullmoons, german, "\r\n 23. April (Di.) ca. 18:49 UTC-5 + 29 Tg 14 Std  4 Min = \r\n"},
      {3, 1, moonfullmoons, english, "\r\n October 28th (Sat) approx. 23:54 UTC+3 1/2 + 29 d 12 h 52 min = \r\n"},
      {3, 1, moonfullmoons, english, "\r\n April 24th (Wed) approx. 03:19 UTC+3 1/2 + 29 d 14 h  4 min = \r\n"},
      {-5, 0, moonfirstquarters, german, "\r\n 15. April (Mo.) ca. 14:13 UTC-5 + "},
      {3, 1, moonlastquarters, english, "\r\n May  1st (Wed) approx. 14:57 UTC+3 1/2 + "},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(contains(text(inputs(2024, 6, 1, 12, 0, c.zone, c.page, 0, c.half), c.language), c.line)) << c.line;
}
