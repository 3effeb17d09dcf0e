// quendal-report rises: rise, set, culmination and twilight for a day.
#include <cctype>

#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/rises_report.h"

namespace quendal::cli {
namespace {

const char* const planetnames[8] = {"mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

void parseplanets(const std::string& list, int planets[8]) {
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = list.find(',', start);
    std::string name = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    bool known = false;
    for (int p = 0; p < 8; ++p)
      if (name == planetnames[p]) {
        planets[p] = 1;
        known = true;
      }
    if (!known)
      throw UsageError("--planets: '" + name +
                       "' is not one of mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto");
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  readconfiguration(state, g);  // places; its language line applies, unless --lang is given
  const int language = state.language();
  RisesInputs in;
  const CivilDate date = o.requireddate("date");
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.places = state.configuration.locationTable;
  const PlaceOption place = placeoption(o, in.places, 0);
  if (place.coordinates) {
    in.place = place.place;
  } else {
    in.positionmode = 1;
    in.locationindex = place.index;
  }
  const ZoneOption zone = zoneoption(o, dialogdefaultzone(date, language));
  in.zone = zone.zone;
  in.half = zone.half;
  in.individual = static_cast<int>(o.integer("indiv", -4));
  in.precise = o.flag("precise") ? 1 : 0;
  in.seconds = o.flag("seconds") ? 1 : 0;
  if (o.has("planets")) parseplanets(o.requiredtext("planets"), in.planets);
  return buildrisesreport(in, language).text;
}

const SubcommandRegistration registration({
    "rises",
    "rise, set, culmination and twilight of Sun, Moon and planets",
    "usage: quendal-report [GLOBAL OPTIONS] rises --date Y-M-D\n"
    "                      [--place N | --lat DD:MM(N|S) --lon DDD:MM(E|W)]\n"
    "                      [--zone Z] [--half-zone] [--indiv A] [--precise]\n"
    "                      [--seconds] [--planets NAME,...]\n"
    "\n"
    "  --date Y-M-D    the date; the year is limited to 1600..2400 (1000..3000\n"
    "                  with --precise), a day beyond the month's end is lowered\n"
    "  --place N       a configured place (default 0, the first one)\n"
    "  --lat DD:MM(N|S) --lon DDD:MM(E|W)\n"
    "                  a place by its coordinates, e.g. --lat 48:12N --lon 15:37E\n"
    "  --zone Z        hours east of UTC, -12..12; default: 0 in English, in\n"
    "                  German 2 when the date is in summer time, else 1\n"
    "  --half-zone     half an hour more (ignored for the zones 0, 12, -12)\n"
    "  --indiv A       the Sun's altitude of the individual twilight, -30..30\n"
    "                  degrees (default -4)\n"
    "  --precise       positions by the full theory (VSOP87D); shows the planets\n"
    "  --seconds       times with seconds\n"
    "  --planets LIST  with --precise: any of mercury, venus, mars, jupiter,\n"
    "                  saturn, uranus, neptune, pluto, separated by commas\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
