// Pieces of the JSON form shared by the calendar subcommands (holidays,
// calendar): the rows of the holiday table, the language and the weekday.
#pragma once

#include <optional>
#include <string>

#include "calendar/holidays.h"
#include "calendar/text.h"
#include "cli/json_output.h"

namespace quendal::cli {

// The kind of a row of the holiday table: "public_holiday",
// "regional_holiday", "national_day", "named_day" or "summer_time_change".
const char* holidaykindkey(const HolidayEntry& row);
// The same in words of the language ("public holiday", "gesetzlicher Feiertag").
const char* holidaykindtext(const HolidayEntry& row, Language language);
// Days from Easter Sunday of a movable feast; none for the other rows.
std::optional<int> easteroffset(const HolidayEntry& row);

// {"name" (in the language), "name_de", "name_en", "kind", "country" (ISO
// 3166 alpha-2 of a national day, else null), "easter_dependent",
// "easter_offset_days" (null unless movable)}.
Json jsonholiday(const HolidayEntry& row, Language language);

// "en", "de" or "at".
const char* languagekey(Language language);

// {"date": "2024-03-15", "weekday": (name in the language), "weekday_number":
// 1 Monday .. 7 Sunday}.
Json jsondate(const CivilDate& date, Language language);

// jsondate and {"calendar": "gregorian" or "julian", "jdn": the Julian Day
// Number}.
Json jsoncalendardate(const CivilDate& date, Language language);

// A number of days: {"days", "hours", "weeks", "months" (of 30.436875 days),
// "years" (of 365.2425 days)}.
Json jsondaycount(int days, double weeks, double months, double years);

}  // namespace quendal::cli
