// The calendar window's display list: the colour rule, the footers and
// their hemisphere words, the years without astronomy, the cell lines of the
// four-month overview, the holiday overview's order and the moon-phase
// view's grouping.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/configuration.h"
#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"

using namespace quendal;

namespace {

CalendarDisplay display(int year, int month, int view, int language = english,
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
  EXPECT_EQ(displayrgb(nationalcolour).blue, 180);
  EXPECT_EQ(displayrgb(3).red + displayrgb(3).green + displayrgb(3).blue, 0);
}

// Month view: title, 32 body lines (empty after the month's end), the line
// colours of the rule, and three footers plus the season in March.
TEST(ReportsCalendarDisplay, MonthView) {
  const CalendarDisplay d = display(2024, 3, monthcalendarview, german);
  EXPECT_EQ(d.caption, " März 2024 ");
  EXPECT_EQ((std::array{int(d.lines.front().place), d.lines.front().colour, count(d, DisplayLine::body), count(d, DisplayLine::footer)}),
            (std::array{int(DisplayLine::title), int(titlecolour), 32, 4}));
  const DisplayLine& good = d.lines[29];  // 29 March 2024, Good Friday
  EXPECT_EQ((std::array{good.index, good.colour}), (std::array{29, int(regionalcolour)}));
  EXPECT_NE(good.text.find("Karfreitag"), std::string::npos);
  EXPECT_EQ(d.lines[32].text, "");
  EXPECT_EQ(d.lines.back().text.rfind(" Frühlingsbeginn ist am 20. März 2024 um ", 0), 0u);
  EXPECT_EQ((std::array{displaylinetop(good, 12), displaylinetop(d.lines.back(), 12)}), (std::array{16 + 29 * 12, 37 * 12}));
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
