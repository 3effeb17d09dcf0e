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

#include "ui/desktop_state.h"
#include "ui/main_dialog.h"
#include "ui/tool_dialogs.h"

namespace {

constexpr int recomputations = 25;  // per tool dialog
constexpr double nanosecondspermillisecond = 1e6;

double milliseconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / nanosecondspermillisecond;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer start;
  start.start();
  QApplication application(argc, argv);
  quendal::DesktopState state;
  {
    quendal::MainDialog dialog(state);
    dialog.show();
    QApplication::processEvents();
    std::printf("%-22s %6.1f ms from the start to the main dialog with its report\n", "main", milliseconds(start));
  }
  for (const quendal::ToolDialogTable* table : quendal::tooldialogtables()) {
    quendal::ToolDialog dialog(*table, state);
    dialog.show();
    QApplication::processEvents();
    std::vector<double> times;
    for (int i = 0; i < recomputations; ++i) {
      QElapsedTimer timer;
      timer.start();
      dialog.recalculate();
      QApplication::processEvents();
      times.push_back(milliseconds(timer));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-22s %6.1f ms a recomputation (median; at most %.1f ms)\n", table->name, times[times.size() / 2],
                times.back());
  }
  return 0;
}
