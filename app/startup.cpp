// Start-up state; see startup.h.
#include "app/startup.h"

#include "calendar/text.h"

namespace quendal {

namespace {
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

CommandKeyword commandkeyword(std::string_view arguments) {
  std::string key;
  for (std::size_t i = 1; i < 4 && i < arguments.size(); ++i) key += upper(arguments[i]);
  if (key == "CAL" || key == "KAL") return CommandKeyword::calendar;
  if (key == "BIO") return CommandKeyword::equationoftime;
  if (key == "DRU" || key == "PRI") return CommandKeyword::printing;
  if (key.compare(0, 2, "TZ") == 0) return CommandKeyword::zodiac;
  return CommandKeyword::none;
}

void applycommandkeyword(CommandKeyword keyword, ApplicationState& state) {
  switch (keyword) {
    case CommandKeyword::calendar:
      state.appMode = AppMode::calendaronly;
      break;
    case CommandKeyword::equationoftime:
      state.appMode = AppMode::equationoftimeonly;
      break;
    case CommandKeyword::printing:
      state.printingEnabled = true;
      break;
    case CommandKeyword::zodiac:
      state.zodiacEnabled = true;
      break;
    case CommandKeyword::none:
      break;
  }
}

std::string commandlinetext(int argc, const char* const* argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

WindowGeometry initialwindowgeometry(int screenwidth, int screenheight) {
  WindowGeometry g;
  g.left = screenwidth / 8;
  g.top = screenheight / 80;
  g.width = 3 * screenwidth / 4;
  g.height = 9 * screenheight / 10 + screenheight / 40;
  return g;
}

const char* startupwindowcaption(AppMode mode, Language language) {
  const bool german = language != english;
  if (mode == AppMode::calendarfrommain || mode == AppMode::calendaronly) return german ? "Monatskalender" : "Calendar";
  if (mode == AppMode::equationoftimeonly) return german ? "Zeitgleichung" : "Equation of Time";
  return "";
}

}  // namespace quendal
