// EquationOfTimeDialog: the equation of time as a list, as statistics, and
// the turning points of a year.
#include "reports/eot_report.h"
#include "ui/graph_windows.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange years{1000, 4000};  // the years of the report
constexpr int noon = 12;                // the hour the dialog starts with
constexpr int threehours = 12;          // in quarter hours: the list's step the dialog starts with

// The dialog's own state.
struct EquationOfTimeState {
  EotReportMode listing = eotlist;  // "Liste", "Statistik" or "Jahr"
};

void calculate(ToolDialog& d) {
  EquationOfTimeInputs in;
  in.year = d.number("year");
  in.month = d.number("month");
  in.day = d.number("day");
  in.hour = d.number("hour");
  in.zone = d.number("zone");
  in.step = d.number("step");
  in.mode = d.own<EquationOfTimeState>().listing;
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

// The listing the dialog opens with: its initial listing, 1 the statistics,
// the list otherwise.
void opening(ToolDialog& d) {
  d.own<EquationOfTimeState>().listing = d.initiallisting() == eotstatistics ? eotstatistics : eotlist;
}

void show(ToolDialog& d, EotReportMode listing) {
  d.own<EquationOfTimeState>().listing = listing;
  d.recalculate();
}

void list(ToolDialog& d) { show(d, eotlist); }
void statistics(ToolDialog& d) { show(d, eotstatistics); }
void year(ToolDialog& d) { show(d, eotyear); }

void graph(ToolDialog& d) { toolsteps::opengraphwindow(d, GraphWindowKind::equationoftime); }

using namespace controls;

// "Stunde:" starts at noon.
constexpr ControlSpec noonhourfield() {
  ControlSpec c = hourfield();
  c.initial = Initial::constant;
  c.value = noon;
  return c;
}

// The graph's icon among the fields.
constexpr ControlSpec graphicon() {
  ControlSpec c = fieldbutton("graphicon", {"Grafik anzeigen", "Show Graphic"}, graph);
  c.icon = "equation_of_time";
  return c;
}

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    noonhourfield().at(0, 6),
    zonefield(Initial::constant).at(0, 8),  // UTC
    graphicon().at(0, 10),
    {.kind = Control::field,
     .key = "step",
     .label = {"Schritt:", "Step:"},
     .maxlength = 4,
     .minimum = 1,
     .maximum = 9999,
     .value = threehours,
     .row = 1,
     .column = 0},
    button("list", {"Liste", "List"}, list).at(0, 0),
    button("statistics", {"Statistik", "Statistics"}, statistics).at(0, 1),
    // "Jahr" beside the field "Jahr:": named for screen readers by what it shows.
    button("wholeyear", {"Jahr", "Year"}, year).named({"Ganzes Jahr", "Whole Year"}).at(0, 2),
    button("graph", {"Grafik", "Graphic"}, graph).at(0, 3),
    printbutton().at(0, 4),
    okbutton().at(0, 5),
};

}  // namespace

const ToolDialogTable EquationOfTimeDialog = {
    .name = "equation_of_time",
    .templateid = 126,
    .icon = "equation_of_time",
    .width = 450,
    .height = 350,
    .caption = {"Zeitgleichung", "Equation of Time"},
    .controls = dialogcontrols,
    .article = {"https://de.wikipedia.org/wiki/Zeitgleichung", "https://en.wikipedia.org/wiki/Equation_of_time"},
    .graphwindow = true,
    .calculate = calculate,
    .opening = opening,
};

}  // namespace quendal
