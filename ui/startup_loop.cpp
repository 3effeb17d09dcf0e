// The start-up loop; see startup_loop.h.
#include "ui/startup_loop.h"

#include <QApplication>
#include <QString>

#include "app/startup.h"
#include "calendar/text.h"
#include "ui/calendar_window.h"
#include "ui/configuration_reading.h"
#include "ui/equation_of_time_window.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/window_support.h"

namespace quendal {

int runstartuploop(ApplicationState& state) {
  // The windows come and go (the main dialog gives way to the calendar
  // window and comes back): closing the last one must not end the program;
  // the loop below does.
  QApplication::setQuitOnLastWindowClosed(false);
  state.yearEventCache = {};
  do {
    readconfiguration(state);
    if (state.appMode != AppMode::calendaronly && state.appMode != AppMode::equationoftimeonly) {
      state.appMode = AppMode::maindialog;
      state.fixedFontToggle = 1;
      MainDialog dialog(state);
      dialog.exec();
    }
    if (state.appMode == AppMode::calendarfrommain || state.appMode == AppMode::calendaronly) {
      const LocalDateTime now = localnow();
      state.currentyear = now.year;
      state.reportpage = now.month;
      state.tablesStale = 1;
      auto* window = new CalendarWindow(state);
      window->setWindowTitle(inlanguage({"Monatskalender", "Calendar"}, state.language()));
      window->setGeometry(initialwindowgeometry(window));
      runwindow(window);
    }
    if (state.appMode == AppMode::equationoftimeonly) {
      auto* window = new EquationOfTimeWindow(state, localnow().year);
      window->setGeometry(initialwindowgeometry(window));
      runwindow(window);
    }
    if (state.languagemode == LanguageMode::german) state.languagemode = LanguageMode::automatic;
  } while (state.appMode == AppMode::calendarfrommain);
  return 0;
}

}  // namespace quendal
