// The start-up of the desktop program: the command-line keyword, then the
// loop around the main dialog and the windows it hands over to.
#pragma once

#include "ui/desktop_state.h"

namespace quendal {

// The start-up loop: read the configuration, show the main dialog (unless a
// window was asked for on the command line), open the calendar or
// equation-of-time window when asked for, and again while the main dialog
// asked for the calendar window. Returns the program's exit status.
int runstartuploop(DesktopState& state);

}  // namespace quendal
