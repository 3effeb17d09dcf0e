// quendal-report config: the evaluation of the configuration file, and the
// file read or looked for.
#include "app/configuration.h"
#include "calendar/text.h"
#include "cli/cli.h"
#include "cli/read_configuration.h"
#include "reports/configuration_report.h"

namespace quendal::cli {
namespace {

// A file name as the user finds it ("./QUENDAL6.INI" in the working directory).
std::string shown(const std::string& path) { return path.find('/') == std::string::npos ? "./" + path : path; }

std::string run(ApplicationState& state, const GlobalOptions& g, Options&) {
  ConfigurationReportInputs in;
  in.result = loadconfiguration(state, g);
  const std::string& path = state.configuration.path;
  in.file = path;
  in.todayyear = g.today.year;
  in.todaymonth = g.today.month;
  in.todayday = g.today.day;
  in.dates = state.configuration.personalDateTable;
  const bool german = state.language() != english;
  std::string text = buildconfigurationevaluation(in, state.language()).text + "\r\n\r\n";
  if (!path.empty()) return text + (german ? " Datei: " : " File: ") + shown(path) + "\r\n";
  text += german ? " Gesucht:" : " Looked for:";
  for (const std::string& candidate : configurationcandidates(g)) text += " " + shown(candidate);
  return text + "\r\n";
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
