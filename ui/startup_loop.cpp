// The start-up loop; see startup_loop.h.
#include "ui/startup_loop.h"

#include "app/startup.h"
#include "reports/eot_report.h"
#include "ui/engine_seam.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/unavailable.h"

namespace quendal {

void applycommandline(ApplicationState& state, const std::string& arguments) {
  switch (commandkeyword(arguments)) {
    case CommandKeyword::calendar:
      state.appMode = 2;
      break;
    case CommandKeyword::equationoftime:
      state.appMode = 4;
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

int runstartuploop(ApplicationState& state) {
  cleareotyearevents();
  do {
    readconfiguration(state);
    if (state.appMode != 2 && state.appMode != 4) {
      state.appMode = 0;
      state.fixedFontToggle = 1;
      MainDialog dialog(state);
      dialog.exec();
    }
    if (state.appMode == 1 || state.appMode == 2) {
      const LocalDateTime now = localnow();
      state.currentyear = now.year;
      state.reportpage = now.month;
      shownotavailable(nullptr, Unavailable::calendarwindow, uilanguage(state));
    }
    if (state.appMode == 4) shownotavailable(nullptr, Unavailable::equationoftimewindow, uilanguage(state));
    if (state.languagemode == -1) state.languagemode = 1;
  } while (state.appMode == 1);
  return 0;
}

}  // namespace quendal
