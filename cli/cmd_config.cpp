// quendal-report config: the evaluation of the configuration file, and the
// file read or looked for.
#include "app/configuration.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/configuration_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options& o) {
  ConfigurationReportInputs in;
  in.result = loadconfiguration(state, g);
  if (o.flag("places")) {
    // The names --place takes, in the file's order (its number is the line's).
    std::string names;
    const int places = locationsinuse(state.configuration.locationTable);
    for (int i = 0; i < places; ++i)
      names += state.configuration.locationTable[static_cast<std::size_t>(i)].name + "\n";
    return names;
  }
  in.file = state.configuration.path;
  in.todayyear = g.today.year;
  in.todaymonth = g.today.month;
  in.todayday = g.today.day;
  in.dates = state.configuration.personalDateTable;
  return buildconfigurationevaluation(in, state.language()).text +
         configurationsource(in.file, configurationcandidates(g), state.language());
}

const SubcommandRegistration registration({
    "config",
    "the evaluation of the configuration file (personal dates and today)",
    "usage: quendal-report [GLOBAL OPTIONS] config [--places]\n"
    "\n"
    "  --places   only the names of the configured places, one per line, in\n"
    "             the order of their numbers (0 = the first); without a file\n"
    "             the default place\n"
    "\n"
    "Reads the configuration file (--ini PATH; else QUENDAL6.INI or QUENDAL5.INI\n"
    "in the working directory, then in $XDG_CONFIG_HOME/quendal/ or\n"
    "~/.config/quendal/) and prints the text of its evaluation box: today's\n"
    "date and, for every configured date, its distance from today; then the\n"
    "file it read, or the files it looked for.\n",
    run,
});

}  // namespace
}  // namespace quendal::cli
