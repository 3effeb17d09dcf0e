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

namespace {

// "Grafik" refused: one graph window at a time.
constexpr Bilingual graphwindowalreadyopen{"\n Das Fenster mit der Grafik ist bereits geöffnet!     \n\n",
                                           "\n The Window with the Graphic ist already open!     \n\n"};

}  // namespace

namespace toolsteps {

void opengraphwindow(ToolDialog& dialog, GraphWindowKind kind) {
  const bool skychart = kind == GraphWindowKind::skychart;
  if (dialog.state().session.graphWindowOpen()) {
    informationbox(&dialog, QStringLiteral(" Information"), inlanguage(graphwindowalreadyopen, dialog.language()));
    return;
  }
  // The window belongs to the dialog, so that the dialog's modality does not
  // block it.
  GraphWindow* window = nullptr;
  if (skychart) {
    window = new SkyChartWindow(dialog.state(), &dialog);
  } else {
    const int year = dialog.yearcomplete("year") ? dialog.number("year") : localnow().year;
    auto* graph = new EquationOfTimeWindow(dialog.state(), year, &dialog);
    // The dialog's year follows the window's.
    QObject::connect(graph, &EquationOfTimeWindow::yearChanged, &dialog,
                     [&dialog](int shown) { dialog.setnumber("year", shown); });
    window = graph;
  }
  window->setGeometry(initialwindowgeometry(window));
  runwindow(window);
  // The report again, so that field and report agree: the equation-of-time
  // window has written the years it showed into the field.
  dialog.recalculate();
}

}  // namespace toolsteps

}  // namespace quendal
