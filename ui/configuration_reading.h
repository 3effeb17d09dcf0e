// The configuration file as the dialogs read it: re-read at every use and
// kept in the application state.
#pragma once

#include "app/application_state.h"
#include "app/configuration.h"

namespace quendal {

// Reads QUENDAL6.INI (QUENDAL5.INI) from the working directory into the
// state: the places, the personal dates and the language line (into
// state.languageoverride). 1 read, 0 no file, -1 too large.
int readconfiguration(ApplicationState& state);

// The configured places as last read: the number in use (1..32) and one entry.
int placesinuse(const ApplicationState& state);
const LocationRecord& configuredplace(const ApplicationState& state, int index);

}  // namespace quendal
