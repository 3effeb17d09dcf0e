// The configuration file as the subcommands read it.
#pragma once

#include "cli/cli.h"

namespace quendal::cli {

// Reads the configuration file as the program does at start-up: the file of
// --ini, else QUENDAL6.INI (or QUENDAL5.INI) in the working directory, into
// the state (storeconfiguration); with --lang the file's language line is
// ignored. Returns the reader's result (1 read, 0 no file, -1 too large).
int readconfiguration(ApplicationState& state, const GlobalOptions& global);

}  // namespace quendal::cli
