// quendal-report config: the evaluation of the configuration file, and the
// file read or looked for.
#include "app/configuration.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/configuration_report.h"

namespace quendal::cli {
namespace {

std::string run(ApplicationState& state, const GlobalOptions& g, Options&) {
  ConfigurationReportInputs in;
  in.result = loadconfiguration(state, g);
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
    "usage: quendal-report [GLOBAL OPTIONS] config\n"
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
