// The completion of quendal-report for bash, made from the program's own
// table of subcommands, their options and the options' fixed values.
#pragma once

#include <string>

namespace quendal::cli {

std::string bashcompletion();

}  // namespace quendal::cli
