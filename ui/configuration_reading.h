// The configuration file as the dialogs read it: re-read at every use and
// kept in the application state.
#pragma once

#include "app/application_state.h"

namespace quendal {

// Reads QUENDAL6.INI (QUENDAL5.INI) from the working directory into the
// state: the places, the personal dates and the language line (into
// state.languageoverride). 1 read, 0 no file, -1 too large.
int loadconfiguration(ApplicationState& state);

}  // namespace quendal
