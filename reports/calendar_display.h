// The calendar window's views as a display list: lines of text, each with a
// colour code, and for the cell lines of the four-month overview a colour per
// cell. The window paints the list and printing prints it; nothing here knows
// how.
//
//   view 0  month calendar: one line per day with week number or day of the
//           year, sunrise and sunset at a configured place, moon phases and
//           holidays, then the place, the legend and the season (1800..2200)
//   view 1  four-month overview: four month sheets, one cell per day
//   view 2  holiday overview of the year
//   view 3  moon phases of six months (1800..2200)
#pragma once

#include <array>
#include <string>
#include <vector>

#include "almanac/events.h"
#include "app/configuration.h"
#include "calendar/holidays.h"

namespace quendal {

enum CalendarView { monthcalendarview = 0, fourmonthview = 1, holidayview = 2, moonphaseview = 3 };
inline constexpr int calendarviews = 4;

// Colour codes of the display list. A day's code is its weekday number
// (1 Sunday .. 7 Saturday) changed by its holidays (daycolour); 2..6 and 0
// paint black.
enum DisplayColour {
  blackcolour = 0,
  sundaycolour = 1,     // Sunday, or a public holiday: red
  saturdaycolour = 7,   // grey
  regionalcolour = 8,   // a holiday in some regions: orange-brown
  nationalcolour = 9,   // a national day or a summer-time change: blue
  titlecolour = 10,     // green
  celllinecolour = 12,  // each cell in its own colour
};

struct Rgb {
  int red = 0, green = 0, blue = 0;
};

// The canvas of the painted windows (the calendar window, the graph
// windows), whatever the desktop's colour theme: white like the printed
// page, so that every colour drawn on it reads the same on the screen and on
// paper.
inline constexpr Rgb canvasrgb{255, 255, 255};

// The colour a code paints (black for every code without one of its own).
// The codes are text on the canvas: each colour keeps a contrast of at least
// 4.5:1 to it.
Rgb displayrgb(int colour);

// The colour code of a day: its weekday number; then for each holiday row of
// the day: kind 1 sets 1; kind 8 sets 8 unless the code is 1; kind 9 sets 9
// unless the code is 1, 8 or above 7. The date must be valid.
int daycolour(const HolidayTable& holidays, int day, int month, int year);

// One line of the list. Where it goes: the title at y = 10; body line n at
// y = 4h/3 + n h; footer line n at y = n h (h the line height).
struct DisplayLine {
  enum Place { title, body, footer };
  Place place = body;
  int index = 0;               // n of a body or footer line
  int colour = blackcolour;    // a DisplayColour
  std::array<int, 8> cells{};  // cell lines: week number, Monday .. Sunday
  std::string text;            // UTF-8, at most 179 characters
};

inline constexpr int displaylistsize = 40;  // lines at most

// The top of a line in pixels for the line height h.
int displaylinetop(const DisplayLine& line, int h);
// The eight pieces of a cell line: the week-number cell (8 characters), then
// one of 4 characters per weekday (the last ones may be short or empty).
std::vector<std::string> displaycells(const DisplayLine& line);

struct CalendarDisplayInputs {
  int year = 2000;  // limited to 1583..9999
  int month = 1;    // limited to 1..12
  int view = monthcalendarview;
  int placeindex = 0;  // view 0: entry of places for the sun times, 0..31
  LocationTable places = presetlocationtable();
};

struct CalendarDisplay {
  std::vector<DisplayLine> lines;           // at most displaylistsize
  std::string caption;                      // the window's caption for the view
  int year = 0, month = 0, placeindex = 0;  // as limited
};

// The display list of a view from the year's holiday table and event table
// (refreshcalendartables).
CalendarDisplay buildcalendardisplay(const CalendarDisplayInputs& in, const HolidayTable& holidays,
                                     const EventTable& events, Language language);

// Rebuilds the tables a view draws from when stale is set, and clears it:
// the holiday table of the year; for views 0 and 3 and the years 1800..2200
// also the event table (Central European time in German, UTC in English;
// view 3 to the second, view 0 to the minute).
void refreshcalendartables(int year, int view, Language language, HolidayTable& holidays, EventTable& events,
                           int& stale);

}  // namespace quendal
