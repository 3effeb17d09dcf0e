// quendal-report sidereal: local mean and apparent sidereal time with the
// places of the Sun and the Moon.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/sidereal_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  SiderealInputs in;
  const CivilDate date = o.requireddate("date");
  const ClockTime time = o.requiredtime("time");
  in.year = date.year;
  in.month = date.month;
  in.day = date.day;
  in.hour = time.hour;
  in.minute = time.minute;
  in.azimuthnorth = o.flag("azimuth-north") ? 1 : 0;
  readconfiguration(state, g);
  const ZoneOption zone = zoneoption(o, dialogdefaultzone(date, state.language()));
  in.zone = zone.zone;
  in.halfzone = zone.half;
  const PlaceOption place = placeoption(o, state.configuration.locationTable);
  in.place = place.place;
  in.placeindex = place.index;
  in.places = state.configuration.locationTable;
  return buildsiderealreport(in, state.language()).text;
}

const SubcommandRegistration registration({
    "sidereal",
    "local mean and apparent sidereal time, Sun and Moon",
    "usage: quendal-report [GLOBAL OPTIONS] sidereal --date Y-M-D --time HH:MM [--zone Z]\n"
    "                      [--half-zone] [--place N | --lat DD:MM(N|S) --lon DDD:MM(E|W)]\n"
    "                      [--azimuth-north]\n"
    "\n"
    "  --date Y-M-D      the date (years 1000..3000)\n"
    "  --time HH:MM      the local time\n"
    "  --zone Z          hours east of UTC, -12..12 (default: 0 in English; in\n"
    "                    German 1, or 2 in European summer time)\n"
    "  --half-zone       half an hour more in the direction of the zone\n"
    "  --place N         entry N of the configured places (default 0)\n"
    "  --lat, --lon      the place by its coordinates instead\n"
    "  --azimuth-north   count the azimuth from north instead of south\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
