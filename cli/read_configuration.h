// The configuration file as the subcommands read it.
#pragma once

#include "cli/cli.h"

namespace quendal::cli {

// Reads the configuration file as the program does at start-up: the file of
// --ini, else QUENDAL6.INI (or QUENDAL5.INI) in the working directory. Then
// applies the language options again, so that --lang wins over the file's
// language line. Returns the reader's result (1 read, 0 no file, -1 too large).
int readconfiguration(const GlobalOptions& global);

}  // namespace quendal::cli
