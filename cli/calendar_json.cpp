// The JSON pieces of the calendar subcommands; see calendar_json.h.
#include "cli/calendar_json.h"

#include "calendar/calendar.h"
#include "calendar/easter.h"

namespace quendal::cli {
namespace {

struct HolidayKindName {
  const char* key;
  Bilingual text;
};

const HolidayKindName publicname = {"public_holiday", {"gesetzlicher Feiertag", "public holiday"}};
const HolidayKindName regionalname = {"regional_holiday", {"regionaler Feiertag", "regional holiday"}};
const HolidayKindName nationalname = {"national_day", {"Nationalfeiertag", "national day"}};
const HolidayKindName namedname = {"named_day", {"besonderer Tag", "named day"}};
const HolidayKindName summertimename = {"summer_time_change", {"Zeitumstellung", "summer-time change"}};

// A summer-time change shares the national days' marking kind; its source
// tells it apart.
const HolidayKindName& kindname(const HolidayEntry& row) {
  if (row.source == HolidaySource::summertime) return summertimename;
  switch (row.kind) {
    case publicholiday:
      return publicname;
    case regionalholiday:
      return regionalname;
    case nationalday:
      return nationalname;
    default:
      return namedname;
  }
}

}  // namespace

const char* holidaykindkey(const HolidayEntry& row) { return kindname(row).key; }

const char* holidaykindtext(const HolidayEntry& row, Language language) { return kindname(row).text.in(language); }

std::optional<int> easteroffset(const HolidayEntry& row) {
  if (row.source != HolidaySource::movablefeast) return std::nullopt;
  const DayMonth easter = feastdate(eastersundaygregorian(row.year), eastersunday, row.year);
  return datetomjd(row.year, row.month, row.day) - datetomjd(row.year, easter.month, easter.day);
}

Json jsonholiday(const HolidayEntry& row, Language language) {
  const std::optional<int> offset = easteroffset(row);
  Json entry;
  entry["name"] = holidayname(row, language);
  entry["name_de"] = row.germanname;
  entry["name_en"] = row.englishname;
  entry["kind"] = holidaykindkey(row);
  entry["country"] = *row.country != '\0' ? Json(row.country) : Json(nullptr);
  entry["easter_dependent"] = offset.has_value();
  entry["easter_offset_days"] = offset ? Json(*offset) : Json(nullptr);
  return entry;
}

const char* languagekey(Language language) { return language == english ? "en" : language == austrian ? "at" : "de"; }

Json jsondate(const CivilDate& date, Language language) {
  const int weekday = dayofweek(date.day, date.month, date.year);
  Json object;
  object["date"] = isodate(date);
  object["weekday"] = weekdayname(weekday, language);
  object["weekday_number"] = (weekday + 5) % 7 + 1;
  return object;
}

Json jsoncalendardate(const CivilDate& date, Language language) {
  Json object = jsondate(date, language);
  object["calendar"] = isgregorian(date.year, date.month, date.day) ? "gregorian" : "julian";
  object["jdn"] = datetomjd(date.year, date.month, date.day) + 2400001;
  return object;
}

Json jsondaycount(int days, double weeks, double months, double years) {
  Json count;
  count["days"] = days;
  count["hours"] = 24LL * days;
  count["weeks"] = weeks;
  count["months"] = months;
  count["years"] = years;
  return count;
}

}  // namespace quendal::cli
