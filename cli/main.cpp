// quendal-report: every report of the program, headless.
//
//   quendal-report [--lang en|de|at] [--today YYYY-MM-DD] [--ini PATH]
//                  [--crlf] [--cp1252] SUBCOMMAND [OPTIONS]
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) { return quendal::cli::runprogram(std::vector<std::string>(argv + 1, argv + argc)); }
