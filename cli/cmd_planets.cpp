// quendal-report planets: the apparent places of the planets, the Sun and
// the Moon for one instant and place.
#include <string>

#include "calendar/text.h"
#include "cli/astro_json.h"
#include "cli/json_output.h"
#include "cli/planet_options.h"

namespace quendal::cli {
namespace {

// The JSON form: the inputs, the instant, the sidereal times, obliquity
// and nutation, a body per selected body, and the Moon's phase.
std::string json(const PlanetReport& r, const std::string& zonename) {
  Json document = jsondocument("planets", planetjsoninputs(r, zonename));
  putinstant(document, "instant", r.jd, planetzoneseconds(r));
  document["jd_ut"] = r.jd;
  document["jde"] = r.jde;
  document["mean_sidereal_time_hours"] = r.meansiderealtime;
  document["apparent_sidereal_time_hours"] = r.apparentsiderealtime;
  document["true_obliquity_deg"] = r.obliquity;
  document["nutation_longitude_arcsec"] = r.nutationlongitude * 3600.0;
  document["nutation_obliquity_arcsec"] = r.nutationobliquity * 3600.0;
  document["bodies"] = Json::array();
  for (const PlanetPlace& p : r.places) document["bodies"].push_back(planetjsonplace(p, true));
  document["moon"] = jsonmoonphase(r.jd);
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  std::string zonename;
  const PlanetInputs in = planetinputs(state, g, o, zonename);
  const PlanetReport report = runplanettext(buildplanetreport, in, state.language());
  return g.format == OutputFormat::json ? json(report, zonename) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] planets [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--zone Z [--half-zone] | --tz NAME]\n"
                              "                      [--place N|NAME | --lat LAT --lon LON]\n"
                              "                      [--delta-t TENTHS] [--temp C] [--pressure MBAR]\n"
                              "                      [--bodies LIST|all] [--orbit] [--radec] [--altaz]\n"
                              "                      [--magnitude] [--visible-only] [--azimuth-north]\n"
                              "                      [--dms] [--details]\n"
                              "\n") +
                          planetoptionshelp();

const SubcommandRegistration registration({
    "planets",
    "positions of the planets, the Sun and the Moon (VSOP87D)",
    usage.c_str(),
    run,
    false,
    {{"bodies", "all mercury venus earth mars jupiter saturn uranus neptune pluto sun moon", true}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
