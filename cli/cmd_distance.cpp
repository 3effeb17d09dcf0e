// quendal-report distance: the distance between two places on the sphere
// and on the WGS84 ellipsoid.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/distance_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  DistanceInputs in;
  in.first = parsepoint("from", o.requiredtext("from"));
  in.second = parsepoint("to", o.requiredtext("to"));
  readconfiguration(state, g);
  in.places = state.configuration.locationTable;
  return builddistancereport(in, state.language()).text;
}

const SubcommandRegistration registration({
    "distance",
    "the distance between two places (sphere and WGS84 ellipsoid)",
    "usage: quendal-report [GLOBAL OPTIONS] distance --from LAT,LON --to LAT,LON\n"
    "\n"
    "  --from, --to   the two places, each coordinate in decimal degrees (north\n"
    "                 and east positive) or DD:MM[:SS] with N/S and E/W, e.g.\n"
    "                 48:12N,015:37E or 48.2,15.6167 or 48:12:00N,015:37:00E\n"
    "\n"
    "A place of the configuration file is named.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
