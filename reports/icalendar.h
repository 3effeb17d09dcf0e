// iCalendar (RFC 5545) output: the named days and holidays, the lunar
// phases, the beginnings of the seasons and the eclipses of a range of years
// as a VCALENDAR that calendar programs import.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"

namespace quendal {

// One entry of the calendar: an all-day event (a date) or an instant in UTC.
struct CalendarEntry {
  std::string uid;         // stable for the same event across runs and versions
  std::string summary;     // UTF-8 text, unescaped
  std::string categories;  // one category, unescaped ("" for none)
  bool allday = false;
  int year = 0, month = 0, day = 0;      // the date (UTC date of a timed entry)
  int hour = 0, minute = 0, second = 0;  // UTC, timed entries only
};

// The UTC date and time written as DTSTAMP into every event.
struct CalendarStamp {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// A TEXT value with backslash, semicolon, comma and line breaks escaped.
std::string icalendartext(std::string_view text);

// One content line with its CR LF, folded so that no line exceeds 75 octets
// (continuation lines start with a blank); a UTF-8 character is never split.
std::string icalendarline(std::string_view line);

// The whole VCALENDAR of the entries, in the order given.
std::string icalendar(const std::vector<CalendarEntry>& entries, const CalendarStamp& stamp);

// ---- What the program puts into it ---------------------------------------------

enum IcalendarContent {
  icalendarholidays = 1,
  icalendarphases = 2,
  icalendarseasons = 4,
  icalendareclipses = 8,
  icalendareverything = 15,
};

// Years each kind of entry is computed for; a range is at most
// icalendarmaxyears long.
inline constexpr int icalendarholidayfirst = 1583, icalendarholidaylast = 9999;
inline constexpr int icalendareventfirst = 1800, icalendareventlast = 2200;
inline constexpr int icalendarmaxyears = 200;

struct IcalendarInputs {
  int firstyear = 0, lastyear = 0;  // inclusive
  int content = icalendareverything;
  CalendarStamp stamp;
};

// The entries of the years firstyear..lastyear in date order: the holiday
// catalogue's rows of each year (1583..9999), and for 1800..2200 the lunar
// phases, the season beginnings and the eclipses.
std::vector<CalendarEntry> calendarentries(const IcalendarInputs& in, Language language);

}  // namespace quendal
