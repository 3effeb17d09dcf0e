// Reading the configuration file for a subcommand; see read_configuration.h.
#include "cli/read_configuration.h"

#include "app/configuration.h"

namespace quendal::cli {

int readconfiguration(ApplicationState& state, const GlobalOptions& global) {
  state.storeconfiguration(global.ini.empty() ? readConfiguration() : readConfigurationFile(global.ini));
  if (global.languagegiven) state.languageoverride = 0;
  return state.configuration.result;
}

}  // namespace quendal::cli
