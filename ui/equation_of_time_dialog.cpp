// EquationOfTimeDialog: the equation of time as a list, as statistics, and
// the turning points of a year.
#include "reports/eot_report.h"
#include "ui/graph_windows.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

enum { yearflag };  // ToolDialog::flags; the dialog selector: 0 list, 1 statistics

void calculate(ToolDialog& d) {
  EquationOfTimeInputs in;
  in.year = d.number("year");
  in.month = d.number("month");
  in.day = d.number("day");
  in.hour = d.number("hour");
  in.zone = d.number("zone");
  in.step = d.number("step");
  in.mode = d.flags[yearflag] ? eotyear : (d.state().dialogselector == 1 ? eotstatistics : eotlist);
  const EquationOfTimeReport r = buildequationoftimereport(in, d.language());
  const EquationOfTimeInputs& c = r.corrected;
  d.setnumber("year", c.year);
  d.setnumber("month", c.month);
  d.setnumber("day", c.day);
  d.setnumber("hour", c.hour);
  d.setnumber("zone", c.zone);
  d.setnumber("step", c.step);
  d.showreport(r.text);
}

void list(ToolDialog& d) {
  d.state().dialogselector = 0;
  d.flags[yearflag] = 0;
  d.recalculate();
}

void statistics(ToolDialog& d) {
  d.state().dialogselector = 1;
  d.flags[yearflag] = 0;
  d.recalculate();
}

void year(ToolDialog& d) {
  d.flags[yearflag] = 1;
  d.recalculate();
}

void graph(ToolDialog& d) { toolsteps::opengraphwindow(d, false); }

using namespace controls;

// "Jahr" beside the field "Jahr:": named for screen readers by what it shows.
constexpr ControlSpec wholeyearbutton() {
  ControlSpec c = button("wholeyear", "Jahr", "Year", year, 0, 2);
  c.germanname = "Ganzes Jahr";
  c.englishname = "Whole Year";
  return c;
}

constexpr ControlSpec graphicon() {
  ControlSpec c = fieldbutton("graphicon", "Grafik anzeigen", "Show Graphic", graph, 0, 10);
  c.icon = "equation_of_time";
  return c;
}

const ControlSpec dialogcontrols[] = {
    yearfield(1000, 4000, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    hourfield(0, 6, Initial::constant, 12),
    zonefield(0, 8, Initial::constant),
    graphicon(),
    field("step", "Schritt:", "Step:", 4, 1, 9999, 12, 1, 0),
    button("list", "Liste", "List", list, 0, 0),
    button("statistics", "Statistik", "Statistics", statistics, 0, 1),
    wholeyearbutton(),
    button("graph", "Grafik", "Graphic", graph, 0, 3),
    printbutton(0, 4),
    okbutton(0, 5),
};

}  // namespace

const ToolDialogTable EquationOfTimeDialog = {
    .name = "equation_of_time",
    .templateid = 126,
    .icon = "equation_of_time",
    .width = 450,
    .height = 350,
    .german = "Zeitgleichung",
    .english = "Equation of Time",
    .controls = dialogcontrols,
    .wikigerman = "https://de.wikipedia.org/wiki/Zeitgleichung",
    .wikienglish = "https://en.wikipedia.org/wiki/Equation_of_time",
    .graphwindow = true,
    .calculate = calculate,
};

}  // namespace quendal
