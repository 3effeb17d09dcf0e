// quendal-report distance: the distance between two places on the sphere
// and on the WGS84 ellipsoid.
#include <cmath>

#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"
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

// The JSON form: the two places as used, the distances on the sphere and on
// the WGS84 ellipsoid in kilometres, statute and nautical miles, and their
// difference.
Json jsondistance(double kilometres) {
  Json distance;
  distance["distance_km"] = kilometres;
  distance["distance_mi"] = kilometres * statutemilesperkm;
  distance["distance_nmi"] = kilometres * nauticalmilesperkm;
  return distance;
}

std::string json(const DistanceReport& r) {
  Json inputs;
  inputs["from"] = jsonplace(r.latitude1, r.longitude1, r.placename1);
  inputs["to"] = jsonplace(r.latitude2, r.longitude2, r.placename2);
  Json document = jsondocument("distance", inputs);
  document["sphere"] = jsondistance(r.simple);
  document["ellipsoid"] = jsondistance(r.exact);
  // The text says "no divergence" for places (almost) at one point.
  document["difference_percent"] =
      r.exact > 0.00001 ? Json(std::fabs(r.simple / r.exact - 1.0) * 100.0) : Json(nullptr);
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  DistanceInputs in;
  loadconfiguration(state, g);
  in.places = state.configuration.locationTable;
  in.first = point("from", o.requiredtext("from"), in.places);
  in.second = point("to", o.requiredtext("to"), in.places);
  const DistanceReport report = builddistancereport(in, state.language());
  return g.format == OutputFormat::json ? json(report) : report.text;
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
    false,
    {},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
