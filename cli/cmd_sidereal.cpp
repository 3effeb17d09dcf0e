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
  const auto [date, time] = datetimeoption(o, g, 1000, 3000, in);
  in.azimuthnorth = o.flag("azimuth-north") ? 1 : 0;
  loadconfiguration(state, g);
  const ZoneOption zone = zoneoption(o, ZoneSupport::HalfHours, date, time, dialogzone(state.language(), date));
  in.zone = zone.zone;
  in.halfzone = zone.half;
  const PlaceOption place = placeoption(o, state.configuration.locationTable);
  in.place = place.place;
  in.placeindex = place.index;
  in.explicitplace = place.coordinates ? 1 : 0;
  in.places = state.configuration.locationTable;
  return buildsiderealreport(in, state.language()).text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] sidereal [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON] [--azimuth-north]\n"
                              "\n"
                              "  --date Y-M-D      the date, years 1000..3000; default: today\n"
                              "  --time HH:MM      the local time; default: now\n") +
                          zonehelp + placehelp + "  --azimuth-north   count the azimuth from north instead of south\n";

const SubcommandRegistration registration({
    "sidereal",
    "local mean and apparent sidereal time, Sun and Moon",
    usage.c_str(),
    run,
});

}  // namespace
}  // namespace quendal::cli
