// quendal-report calendar: the calendar window's views as text, one line of
// the display list per line, optionally with the colour codes.
#include "almanac/events.h"
#include "calendar/holidays.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/calendar_display.h"

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
                          "Central European time (CET/CEST), in English in UTC.\n";

const SubcommandRegistration registration({
    "calendar",
    "the calendar window's views: month, four months, holidays, moon phases",
    usage.c_str(),
    run,
});

}  // namespace
}  // namespace quendal::cli
