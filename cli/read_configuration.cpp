// Reading the configuration file for a subcommand; see read_configuration.h.
#include "cli/read_configuration.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/configuration.h"

namespace quendal::cli {

std::vector<std::string> configurationcandidates(const GlobalOptions& global) {
  if (!global.ini.empty()) return {global.ini};
  std::vector<std::string> files = {"QUENDAL6.INI", "QUENDAL5.INI"};
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string directory;
  if (xdg != nullptr && xdg[0] == '/')
    directory = xdg;
  else if (home != nullptr && home[0] != '\0')
    directory = std::string(home) + "/.config";
  if (!directory.empty())
    for (const char* name : {"QUENDAL6.INI", "QUENDAL5.INI"}) files.push_back(directory + "/quendal/" + name);
  return files;
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

int readconfiguration(ApplicationState& state, const GlobalOptions& global, std::string* path) {
  Configuration c;
  std::string read;
  for (const std::string& candidate : configurationcandidates(global)) {
    c = readConfigurationFile(candidate);
    if (c.result != 0) {
      read = candidate;
      break;
    }
  }
  state.storeconfiguration(c);
  if (global.languagegiven) state.languageoverride = 0;
  if (path != nullptr) *path = read;
  return state.configuration.result;
}

}  // namespace quendal::cli
