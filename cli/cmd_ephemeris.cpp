// quendal-report ephemeris: the ephemeris list of the planet tool, 100
// instants at a fixed step.
#include <string>

#include "calendar/text.h"
#include "cli/json_output.h"
#include "cli/planet_options.h"

namespace quendal::cli {
namespace {

// The JSON form: the inputs with the step, then a step per line group of
// the list with its instant and its bodies.
std::string json(const PlanetReport& r, const std::string& zonename) {
  Json inputs = planetjsoninputs(r, zonename);
  inputs["step_minutes"] = r.corrected.step;
  inputs["visible_only"] = r.corrected.visibleonly;
  Json document = jsondocument("ephemeris", inputs);
  document["steps"] = Json::array();
  for (const PlanetStep& step : r.steps) {
    Json entry;
    putinstant(entry, "instant", step.jd, planetzoneseconds(r));
    entry["jd_ut"] = step.jd;
    entry["jde"] = step.jde;
    entry["sun_altitude_refracted_deg"] = step.sunrefracted;
    entry["bodies"] = Json::array();
    for (const PlanetPlace& p : step.places) entry["bodies"].push_back(planetjsonplace(p, false));
    document["steps"].push_back(entry);
  }
  return jsontext(document);
}

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  std::string zonename;
  PlanetInputs in = planetinputs(state, g, o, zonename);
  in.step = static_cast<int>(o.integer("step", 1, 1, 99999));
  const PlanetReport report = runplanettext(buildephemerislist, in, state.language());
  return g.format == OutputFormat::json ? json(report, zonename) : report.text;
}

const std::string usage = std::string(
                              "usage: quendal-report [GLOBAL OPTIONS] ephemeris [--date Y-M-D] [--time HH:MM]\n"
                              "                      [--step MINUTES] [the options of planets]\n"
                              "\n"
                              "  --step MINUTES       the step of the list, 1..99999 (default 1)\n") +
                          planetoptionshelp() +
                          "\n"
                          "The list has 100 steps and stops early once it exceeds 15,000 characters.\n";

const SubcommandRegistration registration({
    "ephemeris",
    "the ephemeris list of the planets, the Sun and the Moon",
    usage.c_str(),
    run,
    false,
    {{"bodies", "all mercury venus earth mars jupiter saturn uranus neptune pluto sun moon", true}},
    Subcommand::JsonForm::document,
});

}  // namespace
}  // namespace quendal::cli
