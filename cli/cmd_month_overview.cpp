// quendal-report month-overview: one line per day of a month.
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/place_options.h"
#include "cli/read_configuration.h"
#include "reports/month_overview.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  MonthOverviewInputs in;
  in.year = static_cast<int>(o.requiredinteger("year"));
  in.month = static_cast<int>(o.requiredinteger("month"));
  readconfiguration(state, g);
  in.places = state.configuration.locationTable;
  in.locationindex = placeindexoption(o, in.places, 0);
  return buildmonthoverview(in, state.language()).text;
}

const SubcommandRegistration registration({
    "month-overview",
    "a month day by day: sun times, moon phases, holidays",
    "usage: quendal-report [GLOBAL OPTIONS] month-overview --year Y --month M [--place N]\n"
    "\n"
    "  --year Y    1583..9999 (other years are limited to that range)\n"
    "  --month M   1..12 (other values are limited to that range)\n"
    "  --place N   the configured place of the sunrise column (default 0, the\n"
    "              first place of the configuration file)\n"
    "\n"
    "Sun times and moon phases appear for the years 1800..2200: in German in\n"
    "Central European time (CET/CEST), in English in UTC.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
