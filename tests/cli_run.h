// Runs build/quendal-report as a process for the command-line tests: in an
// empty directory of its own (no configuration file of the working
// directory or of ~/.config is read), with the clock fixed and a time-out,
// capturing standard output, standard error and the exit status.
#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace clitest {

struct Result {
  int status = -1;  // exit status, -1 if the process did not exit normally
  std::string out;  // everything written to stdout
  std::string err;  // everything written to stderr
};

// The test's own directory (also HOME), made once.
inline const std::string& directory() {
  static const std::string d = [] {
    std::string pattern = "/tmp/quendal-cli-XXXXXX";
    return std::string(mkdtemp(pattern.data()));
  }();
  return d;
}

// A file of the test's directory with these bytes; returns its path.
inline std::string file(const std::string& name, const std::string& bytes) {
  const std::string path = directory() + "/" + name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Runs quendal-report with the arguments (a shell word list); env holds
// further assignments (they win over the defaults) and redirections may
// follow the arguments. Killed after 60 seconds (status 124).
inline Result run(const std::string& args, const std::string& env = "") {
  const std::string err = directory() + "/stderr";
  const std::string command = "cd '" + directory() + "' && HOME='" + directory() +
                              "' XDG_CONFIG_HOME= LC_ALL=C LANG=C TZ=UTC QUENDAL_NOW=2024-03-15T10:30 " + env +
                              " timeout 60 " + QUENDAL_REPORT_EXE + " " + args + " 2>'" + err + "'";
  Result r;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) r.out.append(buffer, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream text;
  text << std::ifstream(err, std::ios::binary).rdbuf();
  r.err = text.str();
  return r;
}

}  // namespace clitest
