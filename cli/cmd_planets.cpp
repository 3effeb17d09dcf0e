// quendal-report planets: the apparent places of the planets, the Sun and
// the Moon for one instant and place.
#include "calendar/text.h"
#include "cli/planet_options.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  const PlanetInputs in = planetinputs(state, g, o);
  return runplanettext(buildplanetreport, in, state.language()).text;
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
});

}  // namespace
}  // namespace quendal::cli
