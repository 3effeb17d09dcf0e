// Reading the configuration file for a subcommand; see read_configuration.h.
#include "cli/read_configuration.h"

#include "app/configuration.h"

namespace quendal::cli {

int readconfiguration(const GlobalOptions& global) {
  const int result = global.ini.empty() ? readConfiguration() : readConfigurationFile(global.ini);
  applylanguage(global);
  return result;
}

}  // namespace quendal::cli
