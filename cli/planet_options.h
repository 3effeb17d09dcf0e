// The options shared by the planets and ephemeris subcommands.
#pragma once

#include <string>

#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/json_output.h"
#include "reports/planet_report.h"

namespace quendal::cli {

// Reads date, time, zone, place, delta T, refraction, bodies and option flags
// into the inputs of the planet dialog (the configuration file is read here;
// the places and the zodiac switch come from the state); zonename: the --tz
// name, else "".
PlanetInputs planetinputs(ApplicationState& state, const GlobalOptions& global, Options& options,
                          std::string& zonename);

// Runs a planet text the way the dialog does: without --delta-t the first
// run computes delta T for the date and the second uses it.
PlanetReport runplanettext(PlanetReport (*build)(const PlanetInputs&, Language), PlanetInputs in, Language language);

// The JSON form of both: the inputs as corrected (with delta T in seconds
// as used), the document's own keys follow.
Json planetjsoninputs(const PlanetReport& report, const std::string& zonename);
// The offset of the report's zone, seconds east of UTC.
int planetzoneseconds(const PlanetReport& report);
// A body: its apparent place, and with details its constellation and orbit
// data.
Json planetjsonplace(const PlanetPlace& place, bool details);

// The help text of the options both subcommands share.
std::string planetoptionshelp();

}  // namespace quendal::cli
