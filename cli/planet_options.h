// The options shared by the planets and ephemeris subcommands.
#pragma once

#include <string>

#include "calendar/text.h"
#include "cli/cli.h"
#include "reports/planet_report.h"

namespace quendal::cli {

// Reads date, time, zone, place, delta T, refraction, bodies and option flags
// into the inputs of the planet dialog (the configuration file is read here;
// the places and the zodiac switch come from the state).
PlanetInputs planetinputs(ApplicationState& state, const GlobalOptions& global, Options& options);

// Runs a planet text the way the dialog does: without --delta-t the first
// run computes delta T for the date and the second uses it.
PlanetReport runplanettext(PlanetReport (*build)(const PlanetInputs&, Language), PlanetInputs in, Language language);

// The help text of the options both subcommands share.
std::string planetoptionshelp();

}  // namespace quendal::cli
