// libFuzzer target of quendal-report's command line: the input, split at NUL
// bytes, is the argument vector after the program's name (fuzz/cli.dict
// holds the subcommands and options). The program runs in process with a
// fixed clock and no configuration file found by lookup; it must end with
// status 0 or 2 and write valid UTF-8 without "nan", "inf" or negative
// minutes (with --cp1252: Windows-1252, checked after converting back).
// An argument naming --output is skipped: the program would write a file.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/encoding.h"
#include "cli/cli.h"
#include "report_invariants.h"

namespace {

int output = -1;  // the file standard output writes into

std::string takeoutput() {
  std::fflush(stdout);
  std::string text;
  const off_t size = lseek(output, 0, SEEK_END);
  if (size > 0) {
    text.resize(static_cast<std::size_t>(size));
    if (pread(output, text.data(), text.size(), 0) != size) std::abort();
  }
  if (ftruncate(output, 0) != 0 || lseek(output, 0, SEEK_SET) != 0) std::abort();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("QUENDAL_NOW", "2024-03-15T10:30", 1);
  setenv("TZ", "Europe/Vienna", 1);
  setenv("XDG_CONFIG_HOME", "/nonexistent", 1);
  setenv("HOME", "/nonexistent", 1);
  setenv("LANG", "C.UTF-8", 1);
  output = memfd_create("quendal-report-output", 0);
  if (output < 0 || dup2(output, STDOUT_FILENO) < 0) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  bool cp1252 = false;
  for (const std::string& a : args) {
    if (a.find("output") != std::string::npos) return 0;
    cp1252 = cp1252 || a == "--cp1252";
  }
  const int status = quendal::cli::runprogram(args);
  std::string text = takeoutput();
  if (cp1252) text = quendal::cp1252toutf8(text);
  const std::string fault =
      status != 0 && status != 2 ? "exit status " + std::to_string(status) : quendal::fuzz::textfault(text, 0);
  if (!fault.empty()) {
    std::fprintf(stderr, "quendal-report:");
    for (const std::string& a : args) std::fprintf(stderr, " '%s'", a.c_str());
    std::fprintf(stderr, "\n%s\n%s\n", fault.c_str(), text.c_str());
    std::abort();
  }
  return 0;
}
