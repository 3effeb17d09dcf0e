// quendal: the desktop program.
#include <QApplication>

#include "app/application_state.h"
#include "app/startup.h"
#include "ui/platform/platform.h"
#include "ui/startup_loop.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quendal"));
  QApplication::setApplicationVersion(QStringLiteral("6.0"));
  QApplication::setDesktopFileName(QStringLiteral("quendal"));
  QApplication::setWindowIcon(quendal::programicon("quendal"));

  quendal::ApplicationState state;
  state.userlanguage = quendal::userlanguageid();
  quendal::applycommandkeyword(quendal::commandkeyword(quendal::commandlinetext(argc, argv)), state);
  return quendal::runstartuploop(state);
}
