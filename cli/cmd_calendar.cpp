// quendal-report calendar: the calendar window's views as text, one line of
// the display list per line, optionally with the colour codes.
#include <algorithm>

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

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  CalendarDisplayInputs in;
  in.year = static_cast<int>(o.requiredinteger("year"));
  in.month = static_cast<int>(o.requiredinteger("month"));
  in.view = static_cast<int>(o.integer("view", monthcalendarview));
  if (in.view < 0 || in.view >= calendarviews) throw UsageError("calendar: --view must be 0, 1, 2 or 3");
  const bool colours = o.flag("colors");
  readconfiguration(state, g);
  in.places = state.configuration.locationTable;
  in.placeindex = placeindexoption(o, in.places, 0);
  const int language = state.language();
  int stale = 1;
  refreshcalendartables(std::clamp(in.year, 1583, 9999), in.view, language, state.holidayTable, state.eventTable,
                        stale);
  const CalendarDisplay display = buildcalendardisplay(in, state.holidayTable, state.eventTable, language);
  std::string text;
  for (const DisplayLine& line : display.lines) {
    if (colours) text += colourprefix(line);
    text += line.text;
    text += "\r\n";
  }
  return text;
}

const SubcommandRegistration registration({
    "calendar",
    "the calendar window's views: month, four months, holidays, moon phases",
    "usage: quendal-report [GLOBAL OPTIONS] calendar --year Y --month M [--view V]\n"
    "                      [--place N] [--colors]\n"
    "\n"
    "  --year Y    1583..9999 (other years are limited to that range)\n"
    "  --month M   1..12 (other values are limited to that range)\n"
    "  --view V    0 the month with sun times, moon phases and holidays (default),\n"
    "              1 four months from M on, 2 the holidays of the year,\n"
    "              3 the moon phases of six months from M on\n"
    "  --place N   the configured place of the sun times (default 0)\n"
    "  --colors    each line prefixed by its colour code and a bar, \"7|...\";\n"
    "              a cell line by 12, a colon and its eight cell codes (week\n"
    "              number, Monday .. Sunday), \"12:0,2,3,4,5,6,7,1|...\"\n"
    "\n"
    "Colour codes: 10 title (green), 1 Sunday or public holiday (red), 7 Saturday\n"
    "(grey), 8 regional holiday (orange), 9 national day or summer-time change\n"
    "(blue); 0 and 2..6 black.\n"
    "\n"
    "Sun times and moon phases appear for the years 1800..2200: in German in\n"
    "Central European time (CET/CEST), in English in UTC.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
