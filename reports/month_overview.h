// The month overview: one line per day of a month with weekday, week number
// or day of the year, sunrise and sunset at a configured place, the moon
// phases and the named days and holidays; then the place, a legend and the
// season that begins in the month. Gregorian years 1583..9999; the sun and
// moon columns only for 1800..2200.
#pragma once

#include <string>

#include "app/configuration.h"
#include "calendar/text.h"

namespace quendal {

struct MonthOverviewInputs {
  int year = 0;                                  // the current year; limited to 1583..9999
  int month = 0;                                 // the report page; limited to 1..12
  int locationindex = 0;                         // entry of places for the sun times (0..31)
  LocationTable places = presetlocationtable();  // the configured places
};

struct MonthOverview {
  std::string text;
  int year = 0;                   // the year as limited (written back as the current year)
  int month = 0;                  // the month as limited (written back as the report page)
  std::string placename;          // the place named in the footer ("" outside 1800..2200)
  const char* icon = "calendar";  // the icon's name
};

// Builds its own holiday table and, for 1800..2200, event table for the year
// and language (Central European time in German, UTC in English); the tables
// the calendar views share are left alone.
MonthOverview buildmonthoverview(const MonthOverviewInputs& in, Language language);

}  // namespace quendal
