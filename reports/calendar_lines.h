// Pieces of the day lines and footers that the month overview and the
// calendar window's month view share: the sunrise and sunset column, the
// moon-phase tags, the day's holiday names, the place's coordinates, the
// legend and the season that begins in a month.
#pragma once

#include <string>

#include "almanac/events.h"
#include "app/configuration.h"
#include "astro/riseset.h"
#include "calendar/holidays.h"

namespace quendal {

// Sun times, moon phases and seasons are shown for 1800..2200 only.
inline bool withastronomy(int year) { return year > 1799 && year < 2201; }

// " Mo  4 KW 10" on the first day and on Mondays (German KW, English WK with
// the week number), else " Di  5 ( 65)" with the day of the year. The date
// must be valid.
std::string dayhead(int day, int month, int year, Language language);

// The zone of a day's sun times in hours east of UTC: 0 in English; in
// German 1, or 2 on a day of European summer time.
double sunzone(int day, int month, int year, Language language);
// The Sun's rise and set on the day at the place, in local hours of sunzone
// (what suncolumn shows).
DayEventsResult sunriseset(int day, int month, int year, const LocationRecord& place, Language language);

// " 06:12/18:01" (rise and set in zone time: CET or CEST in German, UTC in
// English; "-----" for a missing one), or " im. sichtb." / " alw. visib."
// and " nie sichtb." / " nev. visib." when the Sun neither rises nor sets.
std::string suncolumn(int day, int month, int year, const LocationRecord& place, Language language);

// " NM(12:34)" for each moon phase of the event table on that day (German NM,
// VM, EV, LV; English NM, FM, FQ, LQ); "" when there is none.
std::string moonphasetags(const EventTable& events, int day, int month, int year, Language language);

// The day's holiday names in the language: " A - B - C"; "" without any.
std::string holidaynames(const HolidayTable& holidays, int day, int month, int year, Language language);

// " Sonnenauf- und -untergang (Zeit in MEZ/MESZ) für " / " Sunrise and
// Sunset (Time in UTC) for ".
const char* sunheading(Language language);
// " 48 Grad 12 Min. Nord  15 Grad 37 Min. Ost": a latitude of 0 counts as
// south, a longitude of 0 as west.
std::string coordinatesline(const GeoPlace& place, Language language);
// " NM = Neumond, VM = Vollmond, ..." / " NM = New Moon, ...".
const char* moonlegend(Language language);
// " Frühlingsbeginn ist am 20. März 2024 um 04:06 Uhr (MEZ) " / " Spring
// begins on March 20th, 2024 at 03:06 (UTC) " for a season of the event
// table that begins in the month; "" when none does.
std::string seasonline(const EventTable& events, int month, int year, Language language);

}  // namespace quendal
