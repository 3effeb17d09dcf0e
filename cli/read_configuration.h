// The configuration file as the subcommands read it.
#pragma once

#include <string>
#include <vector>

#include "cli/cli.h"

namespace quendal::cli {

// The files looked for, in order: the file of --ini alone; else QUENDAL6.INI
// and QUENDAL5.INI in the working directory, then in $XDG_CONFIG_HOME/quendal/
// (~/.config/quendal/ when XDG_CONFIG_HOME is unset or not absolute).
std::vector<std::string> configurationcandidates(const GlobalOptions& global);

// Refuses an explicit --ini PATH that does not exist, is not a regular file
// or cannot be read (UsageError naming the path).
void checkinifile(const std::string& path);

// Reads the configuration file as the program does at start-up: the first
// candidate that is a regular file the reader accepts, into the state
// (storeconfiguration; the file read is state.configuration.path); with
// --lang the file's language line is ignored. Returns the reader's result (1
// read, 0 no file, -1 too large).
int loadconfiguration(ApplicationState& state, const GlobalOptions& global);

}  // namespace quendal::cli
