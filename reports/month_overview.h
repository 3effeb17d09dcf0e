// The month overview: one line per day of a month with weekday, week number
// or day of the year, sunrise and sunset at a configured place, the moon
// phases and the named days and holidays; then the place, a legend and the
// season that begins in the month. Gregorian years 1583..9999; the sun and
// moon columns only for 1800..2200.
#pragma once

#include <string>

namespace quendal {

struct MonthOverviewInputs {
  int year = 0;           // the current year; limited to 1583..9999
  int month = 0;          // the report page; limited to 1..12
  int locationindex = 0;  // entry of locationTable for the sun times (0..31)
};

struct MonthOverview {
  std::string text;
  int year = 0;           // the year as limited (written back as the current year)
  int month = 0;          // the month as limited (written back as the report page)
  std::string placename;  // the place named in the footer ("" outside 1800..2200)
  int icon = 102;         // the calendar icon
};

// Reads locationTable (the caller has read the configuration file), rebuilds
// holidayTable and, for 1800..2200, eventTable for the year and language
// (Central European time in German, UTC in English), and leaves tablesStale
// as those builders do. language: 0 English, 1 German, 2 Austrian German.
MonthOverview buildmonthoverview(const MonthOverviewInputs& in, int language);

}  // namespace quendal
