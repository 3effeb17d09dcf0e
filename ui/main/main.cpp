// quendal: the desktop program.
#include <QApplication>

#include "app/startup.h"
#include "ui/desktop_state.h"
#include "ui/platform/platform.h"
#include "ui/startup_loop.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendal"));
  QApplication::setApplicationVersion(QStringLiteral(QUENDAL_VERSION));
  QApplication::setDesktopFileName(QStringLiteral(QUENDAL_APP_ID));  // the desktop entry's name
  QApplication::setWindowIcon(quendal::programicon("quendal"));

  quendal::DesktopState state;
  state.application.userlanguage = quendal::userlanguageid();
  quendal::applycommandkeyword(quendal::commandkeyword(quendal::commandlinetext(argc, argv)), state.application);
  return quendal::runstartuploop(state);
}
