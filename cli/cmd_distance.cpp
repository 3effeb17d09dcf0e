// quendal-report distance: the distance between two places on the sphere
// and on the WGS84 ellipsoid.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/distance_report.h"

namespace quendal::cli {
namespace {

// LAT,LON, or a configured place by number or name.
GeoPlace point(const char* option, const std::string& text, const LocationTable& places) {
  if (text.find(',') != std::string::npos) return parsepoint(option, text);
  return places[static_cast<std::size_t>(findplace(option, text, places))];
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  DistanceInputs in;
  loadconfiguration(state, g);
  in.places = state.configuration.locationTable;
  in.first = point("from", o.requiredtext("from"), in.places);
  in.second = point("to", o.requiredtext("to"), in.places);
  return builddistancereport(in, state.language()).text;
}

const SubcommandRegistration registration({
    "distance",
    "the distance between two places (sphere and WGS84 ellipsoid)",
    "usage: quendal-report [GLOBAL OPTIONS] distance --from PLACE --to PLACE\n"
    "\n"
    "  --from, --to   the two places: LAT,LON, each coordinate in decimal degrees\n"
    "                 (north and east positive) or DD:MM[:SS] with N/S and E/W,\n"
    "                 e.g. 48:12N,015:37E or 48.2,15.6167; or a configured place\n"
    "                 by number or name\n"
    "\n"
    "A place of the configuration file is named.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
