// Opening the graph windows from a tool dialog; see graph_windows.h.
#include "ui/graph_windows.h"

#include <QObject>
#include <QString>

#include "ui/equation_of_time_window.h"
#include "ui/platform/platform.h"
#include "ui/sky_chart_window.h"
#include "ui/tool_dialog.h"
#include "ui/window_support.h"

namespace quendal {

namespace toolsteps {

void opengraphwindow(ToolDialog& dialog, bool skychart) {
  const bool german = dialog.language() != english;
  if (dialog.state().graphWindowOpen) {
    informationbox(&dialog, QStringLiteral(" Information"),
                   QString::fromUtf8(german ? "\n Das Fenster mit der Grafik ist bereits geöffnet!     \n\n"
                                            : "\n The Window with the Graphic ist already open!     \n\n"));
    return;
  }
  // The window belongs to the dialog, so that the dialog's modality does not
  // block it.
  GraphWindow* window = nullptr;
  if (skychart) {
    window = new SkyChartWindow(dialog.state(), &dialog);
  } else {
    const int year = dialog.length("year") >= 4 && dialog.isnumber("year") ? dialog.number("year") : localnow().year;
    auto* graph = new EquationOfTimeWindow(dialog.state(), year, &dialog);
    // The dialog's year follows the window's.
    QObject::connect(graph, &EquationOfTimeWindow::yearChanged, &dialog,
                     [&dialog](int shown) { dialog.setnumber("year", shown); });
    window = graph;
  }
  window->setGeometry(initialwindowgeometry(window));
  runwindow(window);
  if (skychart) dialog.recalculate();
}

}  // namespace toolsteps

}  // namespace quendal
