// The start-up of the desktop program: the command-line keyword, then the
// loop around the main dialog and the windows it hands over to.
#pragma once

#include <string>

#include "app/application_state.h"

namespace quendal {

// Applies the keyword of the command-line text (after the program name) to
// the state: CAL/KAL appMode 2, BIO appMode 4, DRU/PRI printing, TZ zodiac.
void applycommandline(ApplicationState& state, const std::string& arguments);

// The start-up loop: read the configuration, show the main dialog (unless a
// window was asked for on the command line), open the calendar or
// equation-of-time window when asked for, and again while the main dialog
// asked for the calendar window. Returns the program's exit status.
int runstartuploop(ApplicationState& state);

}  // namespace quendal
