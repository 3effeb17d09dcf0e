// Reading the configuration file for a subcommand; see read_configuration.h.
#include "cli/read_configuration.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/configuration.h"

namespace quendal::cli {

std::vector<std::string> configurationcandidates(const GlobalOptions& global) {
  if (!global.ini.empty()) return {global.ini};
  return quendal::configurationcandidates();
}

void checkinifile(const std::string& path) {
  if (path.empty()) throw refusal("ini", "the file name is empty", "the path of a configuration file");
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) throw refusal("ini", path + ": " + std::strerror(errno));
  if (!S_ISREG(st.st_mode)) throw refusal("ini", path + ": not a regular file");
  // Opened without blocking (the file may have been replaced by a FIFO since).
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw refusal("ini", path + ": " + std::strerror(errno));
  close(fd);
}

int loadconfiguration(ApplicationState& state, const GlobalOptions& global) {
  state.storeconfiguration(readConfiguration(configurationcandidates(global)));
  if (global.languagegiven) state.languageoverride = 0;
  return state.configuration.result;
}

}  // namespace quendal::cli
