// Runs build/quendal-report as a process for the command-line tests.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace clitest {

struct Result {
  int status = -1;   // exit status, -1 if the process did not exit normally
  std::string out;   // everything written to stdout
};

// Runs quendal-report with the arguments (a shell word list) and the
// environment assignments in front; stderr is dropped.
inline Result run(const std::string& args, const std::string& env = "LC_ALL=C LANG=C") {
  const std::string command = env + " " + QUENDAL_REPORT_EXE + " " + args + " 2>/dev/null";
  Result r;
  FILE* p = popen(command.c_str(), "r");
  if (p == nullptr) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) r.out.append(buffer, n);
  const int status = pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace clitest
