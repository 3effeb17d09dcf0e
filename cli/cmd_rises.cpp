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
      throw refusal("planets", "'" + name + "' is not a planet",
                    "mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto");
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  loadconfiguration(state, g);  // places; its language line applies, unless --lang is given
  const Language language = state.language();
  RisesInputs in;
  in.precise = o.flag("precise") ? 1 : 0;
  const CivilDate date =
      in.precise ? o.calendardate("date", g.today, 1000, 3000) : o.calendardate("date", g.today, 1600, 2400);
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.places = state.configuration.locationTable;
  const PlaceOption place = placeoption(o, in.places, 0);
  if (place.coordinates) {
    in.place = place.place;
    in.explicitplace = 1;
  } else {
    in.positionmode = 1;
    in.locationindex = place.index;
  }
  // The zone of the day: its offset at local noon.
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHours, date, {12, 0, 0}, dialogzone(language, date));
  in.zone = zone.zone;
  in.half = zone.half;
  in.individual = static_cast<int>(o.integer("indiv", -4, -30, 30));
  in.seconds = o.flag("seconds") ? 1 : 0;
  if (o.has("planets")) {
    if (!in.precise) throw refusal("planets", "needs --precise (the planets are computed by the full theory)");
    parseplanets(o.requiredtext("planets"), in.planets);
  }
  return buildrisesreport(in, language).text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] rises [--date Y-M-D]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME] [--indiv A]\n"
                              "                      [--precise [--planets NAME,...]] [--seconds]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1600..2400 (1000..3000 with --precise);\n"
                              "                    default: today\n") +
                          placehelp + zonehelp +
                          "  --indiv A         the Sun's altitude of the individual twilight, -30..30\n"
                          "                    degrees (default -4)\n"
                          "  --precise         positions by the full theory (VSOP87D); shows the planets\n"
                          "  --planets LIST    with --precise: any of mercury, venus, mars, jupiter,\n"
                          "                    saturn, uranus, neptune, pluto, separated by commas\n"
                          "  --seconds         times with seconds\n";

const SubcommandRegistration registration({
    "rises",
    "rise, set, culmination and twilight of Sun, Moon and planets",
    usage.c_str(),
    run,
});

}  // namespace
}  // namespace quendal::cli
