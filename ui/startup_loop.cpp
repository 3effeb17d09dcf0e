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

int runstartuploop(DesktopState& state) {
  // The windows come and go (the main dialog gives way to the calendar
  // window and comes back): closing the last one must not end the program;
  // the loop below does.
  QApplication::setQuitOnLastWindowClosed(false);
  ApplicationState& app = state.application;
  state.yearEventCache = {};
  do {
    loadconfiguration(app);
    useqttranslation(app.language());  // Qt's own dialogs and buttons in the program's language
    if (app.appMode != AppMode::calendaronly && app.appMode != AppMode::equationoftimeonly) {
      app.appMode = AppMode::maindialog;
      state.fonts.setFixedFontToggle(true);
      MainDialog dialog(state);
      dialog.exec();
    }
    if (app.appMode == AppMode::calendarfrommain || app.appMode == AppMode::calendaronly) {
      const LocalDateTime now = localnow();
      state.position.setPosition(now.year, now.month);
      auto* window = new CalendarWindow(state);
      window->setWindowTitle(inlanguage({"Monatskalender", "Calendar"}, app.language()));
      window->setGeometry(initialwindowgeometry(window));
      runwindow(window);
    }
    if (app.appMode == AppMode::equationoftimeonly) {
      auto* window = new EquationOfTimeWindow(state, localnow().year);
      window->setGeometry(initialwindowgeometry(window));
      runwindow(window);
    }
    if (app.languagemode == LanguageMode::german) app.languagemode = LanguageMode::automatic;
  } while (app.appMode == AppMode::calendarfrommain);
  return 0;
}

}  // namespace quendal
