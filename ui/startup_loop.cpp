// The start-up loop; see startup_loop.h.
#include "ui/startup_loop.h"

#include "app/startup.h"
#include "ui/configuration_reading.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/unavailable.h"

namespace quendal {

int runstartuploop(ApplicationState& state) {
  state.yearEventCache = {};
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
      shownotavailable(nullptr, Unavailable::calendarwindow, state.language());
    }
    if (state.appMode == 4) shownotavailable(nullptr, Unavailable::equationoftimewindow, state.language());
    if (state.languagemode == -1) state.languagemode = 1;
  } while (state.appMode == 1);
  return 0;
}

}  // namespace quendal
