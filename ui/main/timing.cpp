// quendal-timing: how fast the desktop program answers, on the offscreen
// platform (make timing): the time from the program's start to the main
// dialog shown with its report, and for every tool dialog the time one
// recomputation takes once the 50 ms debounce has fired (median and maximum
// of 25, the repaint included).
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/application_state.h"
#include "ui/main_dialog.h"
#include "ui/tool_dialogs.h"

int main(int argc, char** argv) {
  QElapsedTimer start;
  start.start();
  QApplication application(argc, argv);
  quendal::ApplicationState state;
  {
    quendal::MainDialog dialog(state);
    dialog.show();
    QApplication::processEvents();
    std::printf("%-22s %6.1f ms from the start to the main dialog with its report\n", "main",
                start.nsecsElapsed() / 1e6);
  }
  for (const quendal::ToolDialogTable* table : quendal::tooldialogtables()) {
    quendal::ToolDialog dialog(*table, state);
    dialog.show();
    QApplication::processEvents();
    std::vector<double> milliseconds;
    for (int i = 0; i < 25; ++i) {
      QElapsedTimer timer;
      timer.start();
      dialog.recalculate();
      QApplication::processEvents();
      milliseconds.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-22s %6.1f ms a recomputation (median; at most %.1f ms)\n", table->name,
                milliseconds[milliseconds.size() / 2], milliseconds.back());
  }
  return 0;
}
