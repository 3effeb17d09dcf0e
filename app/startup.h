// Start-up state of the program: the command-line keyword, the start mode,
// the printing and zodiac switches, and the first geometry of the calendar
// and graph windows.
#pragma once

#include <string>
#include <string_view>

#include "app/application_state.h"

namespace quendal {

enum class CommandKeyword {
  none,
  calendar,        // CAL, KAL: AppMode::calendaronly
  equationoftime,  // BIO: AppMode::equationoftimeonly
  printing,        // DRU, PRI: printingEnabled
  zodiac,          // TZ: zodiacEnabled
};

// The keyword of the command-line text after the program name: characters
// 2..4 (character 1 is a free prefix such as '/' or '-'), upper-cased; TZ
// needs only characters 2..3. Anything else matches nothing.
CommandKeyword commandkeyword(std::string_view arguments);
// Sets appMode, printingEnabled or zodiacEnabled of the state for a keyword.
void applycommandkeyword(CommandKeyword keyword, ApplicationState& state);

// The command-line text after the program name: the arguments joined by
// single blanks.
std::string commandlinetext(int argc, const char* const* argv);

// Left, top, width and height in pixels of the calendar and graph windows
// when they open, from the screen width and height in pixels.
struct WindowGeometry {
  int left = 0, top = 0, width = 0, height = 0;
};
WindowGeometry initialwindowgeometry(int screenwidth, int screenheight);

// Caption of the window the start-up loop opens for the calendar modes
// ("Monatskalender" / "Calendar") or the equation of time ("Zeitgleichung" /
// "Equation of Time"); "" for the main dialog.
const char* startupwindowcaption(AppMode mode, Language language);

}  // namespace quendal
