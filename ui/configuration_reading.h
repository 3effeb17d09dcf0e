// The configuration file as the dialogs read it: re-read at every use and
// kept in the application state.
#pragma once

#include "app/application_state.h"

namespace quendal {

// Reads the configuration file into the state as the command line does
// (readConfiguration: QUENDAL6.INI or QUENDAL5.INI in the working directory,
// else in $XDG_CONFIG_HOME/quendal/): the places, the personal dates, the
// language line (into state.languageoverride) and the file read
// (state.configuration.path). 1 read, 0 no file, -1 too large.
int loadconfiguration(ApplicationState& state);

}  // namespace quendal
