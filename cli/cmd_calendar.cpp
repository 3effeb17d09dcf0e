// quendal-report calendar: the calendar window's views as text, one line of
// the display list per line, optionally with the colour codes; or the days
// of the view as a JSON document.
#include <optional>
#include <vector>

#include "almanac/events.h"
#include "calendar/calendar.h"
#include "calendar/holidays.h"
#include "calendar/text.h"
#include "cli/calendar_json.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/calendar_display.h"
#include "reports/calendar_lines.h"

namespace quendal::cli {
namespace {

// "7|", or for a cell line "12:0,1,7,2,3,4,5,1|".
std::string colourprefix(const DisplayLine& line) {
  std::string t = std::to_string(line.colour);
  if (line.colour == celllinecolour) {
    for (std::size_t i = 0; i < line.cells.size(); ++i) t += (i == 0 ? ":" : ",") + std::to_string(line.cells[i]);
  }
  return t + "|";
}

// A place given by coordinates becomes the only entry of the table, named as
// the configured place it matches.
LocationTable onlyplace(const LocationTable& places, const PlaceOption& place) {
  LocationRecord record = place.place;
  for (int i = 0; i < locationsinuse(places); ++i)
    if (sameplace(places[static_cast<std::size_t>(i)], record)) record.name = places[static_cast<std::size_t>(i)].name;
  LocationTable table{};
  table[0] = record;
  return table;
}

// ---- The JSON form: the days the view shows, each with its holidays, moon
// phases and the Sun's rise and set; the instants in the view's zone
// (Central European time in German, UTC in English).

const char* const phasekeys[4] = {"new_moon", "full_moon", "first_quarter", "last_quarter"};  // EventKind 0..3
const char* const seasonkeys[4] = {"spring", "summer", "autumn", "winter"};                   // EventKind 11..14

// A month of a view: months counted from year 0.
int monthnumber(int year, int month) { return year * 12 + month - 1; }

// The first month and the number of months a view covers.
void viewmonths(const CalendarDisplay& d, int view, int& first, int& count) {
  static const int counts[calendarviews] = {1, 4, 12, 6};
  first = view == holidayview ? monthnumber(d.year, 1) : monthnumber(d.year, d.month);
  count = counts[view];
}

// An instant of the event table built in UTC (to the second).
double eventjd(const EventEntry& e) {
  return datetojd(e.year, e.month, e.day) + (e.hour * 3600 + e.minute * 60 + e.second) / 86400.0;
}

// The offset of the view's zone at an instant: in German CET, CEST on the
// days of European summer time (decided by the UTC date, as the event table
// does).
int eventoffset(double jd, Language language) {
  if (language == english) return 0;
  CivilDate utc;
  ClockTime time;
  jdtodate(jd, utc.year, utc.month, utc.day, time.hour, time.minute, time.second);
  return summertime(utc.day, utc.month, utc.year) == 1 ? 7200 : 3600;
}

// The local date of an instant in the view's zone.
CivilDate eventdate(double jd, Language language) {
  CivilDate date;
  ClockTime time;
  jdtodate(jd + eventoffset(jd, language) / 86400.0 + 0.5 / 86400.0, date.year, date.month, date.day, time.hour,
           time.minute, time.second);
  return date;
}

Json jsonevent(const char* key, const char* value, double jd, Language language) {
  Json event;
  event[key] = value;
  putinstant(event, "instant", jd, eventoffset(jd, language));
  return event;
}

// The moon phases and season beginnings of the years a view touches, in UTC
// to the second; none outside 1800..2200.
struct ViewEvents {
  bool astronomy = false;
  std::vector<const EventEntry*> rows;
  std::vector<EventTable> tables;
};

void loadevents(ViewEvents& events, int year, int lastyear) {
  events.astronomy = withastronomy(year);
  if (!events.astronomy) return;
  for (int y = year; y <= lastyear; ++y) events.tables.push_back(buildevents(y, 0, 1));
  for (std::size_t t = 0; t < events.tables.size(); ++t)
    for (const EventEntry& e : events.tables[t])
      if (e.day != 0 && (t == 0 || e.kind > 10)) events.rows.push_back(&e);  // the phases of the first table
}

Json jsonphases(const ViewEvents& events, const CivilDate& date, Language language) {
  if (!events.astronomy) return nullptr;
  Json phases = Json::array();
  for (const EventEntry* e : events.rows)
    if (e->kind < 10 && eventdate(eventjd(*e), language) == date)
      phases.push_back(jsonevent("phase", phasekeys[e->kind], eventjd(*e), language));
  return phases;
}

Json jsonseasons(const ViewEvents& events, int first, int count, Language language) {
  if (!events.astronomy) return nullptr;
  Json seasons = Json::array();
  for (const EventEntry* e : events.rows) {
    if (e->kind < springevent) continue;
    const CivilDate date = eventdate(eventjd(*e), language);
    const int m = monthnumber(date.year, date.month);
    if (m >= first && m < first + count)
      seasons.push_back(jsonevent("season", seasonkeys[e->kind - springevent], eventjd(*e), language));
  }
  return seasons;
}

// The Sun's rise and set as in the month view's sun column; a day without
// either says whether the Sun stays above or below the horizon.
void putsun(Json& day, const CivilDate& date, const LocationRecord& place, bool astronomy, Language language) {
  if (!astronomy) {
    putinstant(day, "sunrise", std::nullopt, 0);
    putinstant(day, "sunset", std::nullopt, 0);
    day["sun_all_day"] = nullptr;
    return;
  }
  const DayEventsResult sun = sunriseset(date.day, date.month, date.year, place, language);
  const double zone = sunzone(date.day, date.month, date.year, language);
  const double midnight = datetojd(date.year, date.month, date.day) - zone / 24.0;
  const auto instant = [&](bool found, double hours) {
    return found ? std::optional<double>(midnight + hours / 24.0) : std::nullopt;
  };
  const int offset = static_cast<int>(zone * 3600.0);
  putinstant(day, "sunrise", instant(sun.events & RiseFound, sun.rise), offset);
  putinstant(day, "sunset", instant(sun.events & SetFound, sun.set), offset);
  const bool neither = (sun.events & (RiseFound | SetFound)) == 0;
  day["sun_all_day"] = neither ? Json((sun.events & AboveAtMidnight) ? "above" : "below") : Json(nullptr);
}

Json jsonday(const CivilDate& date, const HolidayTable& holidays, const ViewEvents& events, const LocationRecord& place,
             Language language) {
  Json day = jsondate(date, language);
  day["week_number"] = weeknumber(date.day, date.month, date.year);
  day["day_of_year"] = dayofyear(date.day, date.month, date.year);
  day["holidays"] = Json::array();
  for (const HolidayEntry* e : holidaysof(holidays, date.day, date.month, date.year))
    day["holidays"].push_back(jsonholiday(*e, language));
  day["moon_phases"] = jsonphases(events, date, language);
  putsun(day, date, place, events.astronomy, language);
  return day;
}

// Whether the view shows the day: the holiday view the days with a holiday,
// the moon-phase view the days with a phase, the others every day.
bool shown(int view, const Json& day) {
  if (view == holidayview) return !day["holidays"].empty();
  if (view == moonphaseview) return day["moon_phases"].is_array() && !day["moon_phases"].empty();
  return true;
}

std::string json(const CalendarDisplayInputs& in, const CalendarDisplay& d, Language language) {
  int first = 0, count = 0;
  viewmonths(d, in.view, first, count);
  const int lastyear = (first + count - 1) / 12;
  ViewEvents events;
  loadevents(events, d.year, lastyear);
  // The holiday tables of the years; the table of a year holds only the
  // first feasts of the next.
  std::vector<HolidayTable> holidays;
  for (int y = d.year; y <= lastyear; ++y) holidays.push_back(buildholidays(y));
  const LocationRecord& place = in.places[static_cast<std::size_t>(d.placeindex)];
  Json inputs;
  inputs["year"] = d.year;
  inputs["month"] = d.month;
  inputs["view"] = in.view;
  inputs["place"] = jsonplace(latitudeof(place), longitudeof(place), place.name);
  inputs["zone"] = jsonzone(language == english ? 0 : 3600);
  inputs["zone"]["european_summer_time"] = language != english;
  inputs["language"] = languagekey(language);
  Json document = jsondocument("calendar", inputs);
  Json days = Json::array();
  for (int m = first; m < first + count; ++m) {
    const int year = m / 12, month = m % 12 + 1;
    for (int day = 1; day <= daysinmonth(month, year); ++day) {
      Json j = jsonday({year, month, day}, holidays[static_cast<std::size_t>(year - d.year)], events, place, language);
      if (shown(in.view, j)) days.push_back(std::move(j));
    }
  }
  document["days"] = std::move(days);
  document["seasons"] = jsonseasons(events, first, count, language);
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  CalendarDisplayInputs in;
  in.year = static_cast<int>(o.integer("year", g.today.year, 1583, 9999));
  in.month = static_cast<int>(o.integer("month", g.today.month, 1, 12));
  in.view = static_cast<int>(o.integer("view", monthcalendarview, 0, calendarviews - 1));
  const bool colours = o.flag("colors");
  loadconfiguration(state, g);
  const PlaceOption place = placeoption(o, state.configuration.locationTable, 0);
  in.places =
      place.coordinates ? onlyplace(state.configuration.locationTable, place) : state.configuration.locationTable;
  in.placeindex = place.coordinates ? 0 : place.index;
  const Language language = state.language();
  HolidayTable holidayTable{};
  EventTable eventTable{};
  int tablesStale = 1;
  refreshcalendartables(in.year, in.view, language, holidayTable, eventTable, tablesStale);
  const CalendarDisplay display = buildcalendardisplay(in, holidayTable, eventTable, language);
  if (g.format == OutputFormat::json) return json(in, display, language);
  std::string text;
  for (const DisplayLine& line : display.lines) {
    if (colours) text += colourprefix(line);
    text += line.text;
    text += "\r\n";
  }
  return text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] calendar [--year Y] [--month M] [--view V]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON] [--colors]\n"
                              "\n"
                              "  --year Y    1583..9999; default: this year\n"
                              "  --month M   1..12; default: this month\n"
                              "  --view V    0 the month with sun times, moon phases and holidays (default),\n"
                              "              1 four months from M on, 2 the holidays of the year,\n"
                              "              3 the moon phases of six months from M on\n"
                              "  --colors    each line prefixed by its colour code and a bar, \"7|...\";\n"
                              "              a cell line by 12, a colon and its eight cell codes (week\n"
                              "              number, Monday .. Sunday), \"12:0,2,3,4,5,6,7,1|...\"\n") +
                          placehelp +
                          "\n"
                          "Colour codes: 10 title (green), 1 Sunday or public holiday (red), 7 Saturday\n"
                          "(grey), 8 regional holiday (orange), 9 national day or summer-time change\n"
                          "(blue); 0 and 2..6 black. The place gives view 0 its sun times.\n"
                          "\n"
                          "Sun times and moon phases appear for the years 1800..2200: in German in\n"
                          "Central European time (CET/CEST), in English in UTC.\n"
                          "\n"
                          "--format json prints the days the view shows (views 0 and 1 every day of\n"
                          "their months, 2 the days with holidays, 3 the days with a moon phase), each\n"
                          "with its holidays, moon phases, sunrise and sunset (see docs/json.md).\n";

const SubcommandRegistration registration({
    "calendar",
    "the calendar window's views: month, four months, holidays, moon phases",
    usage.c_str(),
    run,
    false,
    {{"view", "0 1 2 3"}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
