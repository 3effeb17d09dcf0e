// The calendar views: the window's display list (the colour rule and the
// colours of the codes, the
// footers and their hemisphere words, the years without astronomy, the
// four-month cells, the holiday overview, the moon phases) and the month
// overview (golden texts, polar and southern places, the limits).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "app/configuration.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"
#include "reports/month_overview.h"
#include "reports/rises_report.h"
#include "support.h"

using namespace quendal;

namespace {

CalendarDisplay display(int year, int month, int view, Language language = english,
                        const LocationTable& places = presetlocationtable()) {
  HolidayTable holidays{};
  EventTable events{};
  int stale = 1;
  refreshcalendartables(year, view, language, holidays, events, stale);
  EXPECT_EQ(stale, 0);
  return buildcalendardisplay({year, month, view, 0, places}, holidays, events, language);
}

int count(const CalendarDisplay& d, DisplayLine::Place place) {
  int n = 0;
  for (const DisplayLine& l : d.lines) n += l.place == place;
  return n;
}

}  // namespace

// A day's colour: its weekday, then public (red) over regional (orange) over
// national (blue); a Saturday turns blue, a Sunday stays red.
TEST(ReportsCalendarDisplay, ColourRule) {
  const struct {
    int day, month, year, colour;
    const char* what;
  } cases[] = {
      {26, 10, 2024, nationalcolour, "Saturday with only the Austrian national day"},
      {15, 8, 2021, sundaycolour, "Sunday with Assumption (kind 8) and a national day"},
      {15, 8, 2024, regionalcolour, "Thursday with Assumption and a national day"},
      {1, 5, 2024, sundaycolour, "Wednesday, First May"},
      {24, 12, 2024, 3, "Tuesday, Christmas Eve (a named day only)"},
      {16, 3, 2024, saturdaycolour, "a plain Saturday"},
      {17, 3, 2024, sundaycolour, "a plain Sunday"},
      {27, 10, 2024, sundaycolour, "Sunday, end of summer time (kind 9)"},
  };
  for (const auto& c : cases) EXPECT_EQ(daycolour(buildholidays(c.year), c.day, c.month, c.year), c.colour) << c.what;
}

// What each colour code paints, on the screen and on paper (red, green, blue
// 0..255): the title green, Sundays and public holidays red, Saturdays grey,
// regional holidays orange-brown, national days blue; every other code,
// weekdays 2..6, the cell lines' own code 12 and codes out of the table,
// black.
TEST(ReportsCalendarDisplay, ColourTable) {
  EXPECT_EQ((std::array{int(blackcolour), int(sundaycolour), int(saturdaycolour), int(regionalcolour),
                        int(nationalcolour), int(titlecolour), int(celllinecolour)}),
            (std::array{0, 1, 7, 8, 9, 10, 12}));
  const std::array<int, 4> table[] = {{10, 0, 130, 0}, {1, 180, 0, 0}, {7, 118, 118, 118}, {8, 180, 96, 0},
                                      {9, 0, 0, 180},  {0, 0, 0, 0},   {2, 0, 0, 0},       {3, 0, 0, 0},
                                      {4, 0, 0, 0},    {5, 0, 0, 0},   {6, 0, 0, 0},       {11, 0, 0, 0},
                                      {12, 0, 0, 0},   {13, 0, 0, 0},  {-1, 0, 0, 0}};
  for (const auto& [code, red, green, blue] : table) {
    const Rgb c = displayrgb(code);
    EXPECT_EQ((std::array{c.red, c.green, c.blue}), (std::array{red, green, blue})) << "code " << code;
  }
}

// Month view: title, 32 body lines (empty after the month's end), the line
// colours of the rule, and three footers plus the season in March.
TEST(ReportsCalendarDisplay, MonthView) {
  const CalendarDisplay d = display(2024, 3, monthcalendarview, german);
  EXPECT_EQ(d.caption, " März 2024 ");
  EXPECT_EQ((std::array{int(d.lines.front().place), d.lines.front().colour, count(d, DisplayLine::body),
                        count(d, DisplayLine::footer)}),
            (std::array{int(DisplayLine::title), int(titlecolour), 32, 4}));
  const DisplayLine& good = d.lines[29];  // 29 March 2024, Good Friday
  EXPECT_EQ((std::array{good.index, good.colour}), (std::array{29, int(regionalcolour)}));
  EXPECT_NE(good.text.find("Karfreitag"), std::string::npos);
  EXPECT_EQ(d.lines[32].text, "");
  EXPECT_EQ(d.lines.back().text.rfind(" Frühlingsbeginn ist am 20. März 2024 um ", 0), 0u);
  EXPECT_EQ((std::array{displaylinetop(good, 12), displaylinetop(d.lines.back(), 12)}),
            (std::array{16 + 29 * 12, 37 * 12}));
}

// A place at 0° 0' counts as south and west.
TEST(ReportsCalendarDisplay, EquatorAndGreenwichAreSouthAndWest) {
  LocationTable places = presetlocationtable();
  places[0] = {GeoPlace{0, 0, 0, 1, 0, 0, 0, 1}, 1, "Null Island"};
  const CalendarDisplay de = display(2024, 3, monthcalendarview, german, places);
  const CalendarDisplay en = display(2024, 3, monthcalendarview, english, places);
  auto footer = [](const CalendarDisplay& d, int n) {
    for (const DisplayLine& l : d.lines)
      if (l.place == DisplayLine::footer && l.index == n) return l.text;
    return std::string("none");
  };
  EXPECT_EQ(footer(de, 35), "  0 Grad  0 Min. Süd   0 Grad  0 Min. West");
  EXPECT_EQ(footer(en, 35), "  0 Deg.  0 Min. South   0 Deg.  0 Min. West");
  EXPECT_EQ(footer(de, 34), " Sonnenauf- und -untergang (Zeit in MEZ/MESZ) für Null Island");
}

// 1799: no sun times, moon phases, footers; the moon view shows the notice.
TEST(ReportsCalendarDisplay, YearsWithoutAstronomy) {
  const CalendarDisplay d = display(1799, 3, monthcalendarview);
  EXPECT_EQ(count(d, DisplayLine::footer), 0);
  EXPECT_EQ(d.lines[1].text, " Fri  1 WK  9          ");
  const CalendarDisplay moon = display(2201, 3, moonphaseview);
  ASSERT_EQ(moon.lines.size(), 3u);
  EXPECT_EQ(moon.lines[1].text + "|" + moon.lines[2].text, " Only for the Period | from 1800 to 2200 ");
  // Out-of-range months and years are limited.
  const CalendarDisplay limited = display(12000, 14, monthcalendarview);
  EXPECT_EQ((std::array{limited.year, limited.month}), (std::array{9999, 12}));
}

// Four months from November 2024: the sheets run into 2025 with the
// holidays of the next year; a cell per day in its weekday column.
TEST(ReportsCalendarDisplay, FourMonthCells) {
  const CalendarDisplay d = display(2024, 11, fourmonthview);
  EXPECT_EQ(d.caption, "Four Month Overview");
  EXPECT_EQ(d.lines[0].text, " November 2024 ");
  const DisplayLine& header = d.lines[1];
  EXPECT_EQ(header.text, " WK     Mon Tue Wed Thu Fri Sat Sun");
  EXPECT_EQ((std::array{header.colour, header.cells[7]}), (std::array{int(celllinecolour), int(sundaycolour)}));
  const DisplayLine& first = d.lines[2];  // 1..3 November: Friday (All Saints' Day) to Sunday
  EXPECT_EQ(first.text, " 44                      1   2   3  ");
  EXPECT_EQ(first.cells, (std::array<int, 8>{0, 0, 0, 0, 0, sundaycolour, saturdaycolour, sundaycolour}));
  EXPECT_EQ(displaycells(first)[0] + "|" + displaycells(first)[5], " 44     | 1  ");
  int titles = 0;
  for (const DisplayLine& l : d.lines) {
    titles += l.colour == titlecolour;
    if (l.text == " 02      6   7   8   9  10  11  12  ") {
      EXPECT_EQ(l.cells[1], sundaycolour) << "Epiphany 2025";
    }
  }
  EXPECT_EQ(titles, 4);
  EXPECT_LE(d.lines.size(), static_cast<std::size_t>(displaylistsize));
}

// The holiday overview: the year's rows in date order, national days blue,
// the next year's block left out.
TEST(ReportsCalendarDisplay, HolidayOverview) {
  const CalendarDisplay d = display(2024, 3, holidayview, german);
  EXPECT_EQ(d.lines[0].text + "|" + d.lines[1].text + "|" + d.lines.back().text,
            " Jahr: 2024 | Mo  1. Jan. Neujahrstag| Di 31. Dez. Silvester");
  EXPECT_EQ(d.lines.size(), 1u + 33u);  // 30 rows, the leap day, two summer-time changes
  for (std::size_t i = 1; i < d.lines.size(); ++i) {
    const bool national = d.lines[i].text.find("Staatsfeiertag") != std::string::npos ||
                          d.lines[i].text.find("Sommerzeit") != std::string::npos;
    EXPECT_EQ(d.lines[i].colour, national ? nationalcolour : blackcolour) << d.lines[i].text;
  }
}

// Moon phases of six months, to the second: an empty line before every new
// moon but the first.
TEST(ReportsCalendarDisplay, MoonPhaseView) {
  const CalendarDisplay d = display(2024, 11, moonphaseview);
  EXPECT_EQ(d.lines[1].text, " Fri  1. Nov. 2024  New Moon      (12:47:14) - (UTC) ");
  int newmoons = 0, empty = 0;
  for (std::size_t i = 1; i < d.lines.size(); ++i) {
    if (d.lines[i].text.empty()) {
      ++empty;
      EXPECT_NE(d.lines[i + 1].text.find("New Moon"), std::string::npos);
    }
    newmoons += d.lines[i].text.find("New Moon") != std::string::npos;
  }
  EXPECT_EQ(newmoons, 7);  // 1 Nov, 1 and 30 Dec, 29 Jan, 28 Feb, 29 Mar, 27 Apr (after April: none)
  EXPECT_EQ(empty, newmoons - 1);
  EXPECT_NE(d.lines.back().text.find("Apr. 2025"), std::string::npos);
}

using namespace testsupport;

namespace {

// A polar place, the default place, a southern one west of Greenwich.
const LocationTable configured =
    readConfigurationContent(
        "78 N 13   015E 38 Longyearbyen\r\n48 N 12   015E 37 Sankt P\xC3\xB6lten (Austria)\r\n"
        "33 S 27   070W 40 Santiago de Chile\r\n")
        .locationTable;

std::string text(int year, int month, Language language, int place = -1) {
  return buildmonthoverview({year, month, place < 0 ? 0 : place, place < 0 ? presetlocationtable() : configured},
                            language)
      .text;
}

}  // namespace

// Whole months written by hand from the format strings (tests/golden/): with
// the sun and moon columns in both languages, before 1800 and after 2200
// without them (24 December 2209 is a Sunday and so the fourth Sunday of
// Advent; week 48 begins on 27 November).
TEST(ReportsMonthOverview, Goldens) {
  EXPECT_EQ(text(2023, 2, german), golden("month_2023_02_de.txt"));
  EXPECT_EQ(text(2024, 3, english), golden("month_2024_03_en.txt"));
  EXPECT_EQ(text(1750, 1, english), golden("month_1750_01_en.txt"));
  EXPECT_EQ(text(2209, 12, german), golden("month_2209_12_de.txt"));
}

// Pieces of months (tests/golden/month_overview_pieces.txt): the German
// season line in the zone of the season's own date, short months ending with
// empty lines (1900 no leap year, 2000 one), two names on one day, the
// following year's holidays kept out, a polar and a southern place, the sun
// and moon columns exactly for 1800..2200, the phases in the language's zone.
TEST(ReportsMonthOverview, Pieces) {
  for (const std::string& key : piececases("month_overview_pieces.txt")) {
    int year = 0, month = 0, place = -1;
    char language[16] = "";
    ASSERT_GE(std::sscanf(key.c_str(), "%d-%d %15s place %d", &year, &month, language, &place), 3) << key;
    const std::string l = language;
    expectpieces(text(year, month,
                      l == "english"    ? english
                      : l == "austrian" ? austrian
                                        : german,
                      place),
                 "month_overview_pieces.txt", key);
  }
  // Santiago's sun times are those of the rises report (in UTC for English).
  const RisesInputs in{
      .year = 2024, .month = 6, .day = 21, .positionmode = 1, .locationindex = 2, .places = configured};
  const std::string rises = buildrisesreport(in, english).text;
  const std::size_t cell = rises.find("\r\n ", rises.find("\r\n Sun ") + 3) + 3;
  EXPECT_TRUE(contains(text(2024, 6, english, 2),
                       " Fri 21 (173) " + rises.substr(cell, 5) + "/" + rises.substr(cell + 8, 5) + " "))
      << rises.substr(cell, 15);
}

TEST(ReportsMonthOverview, Limits) {
  const MonthOverview high = buildmonthoverview({12000, 13}, english);
  EXPECT_EQ((std::array{high.year, high.month}), (std::array{9999, 12}));
  const MonthOverview low = buildmonthoverview({1500, 0}, german);
  EXPECT_EQ((std::array{low.year, low.month}), (std::array{1583, 1}));
  EXPECT_TRUE(low.placename.empty());
  EXPECT_EQ(buildmonthoverview({2024, 5}, german).placename, "Sankt Pölten (Austria)");
  EXPECT_EQ(text(1750, 3, english).find("LQ("), std::string::npos);
}
