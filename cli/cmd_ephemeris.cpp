// quendal-report ephemeris: the ephemeris list of the planet tool, 100
// instants at a fixed step.
#include "calendar/text.h"
#include "cli/planet_options.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  PlanetInputs in = planetinputs(state, g, o);
  in.step = static_cast<int>(o.integer("step", 1, 1, 99999));
  return runplanettext(buildephemerislist, in, state.language()).text;
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
});

}  // namespace
}  // namespace quendal::cli
