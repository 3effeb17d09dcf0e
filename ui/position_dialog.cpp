// PositionDialog: a new place and instant for the sky chart. Its report
// shows the entered place and instant; "OK" takes both into the chart,
// "Datum" only the instant, "Ort" only the place, "Abbruch" nothing.
#include "reports/chart_position.h"
#include "ui/configuration_reading.h"
#include "ui/datetime_fields.h"
#include "ui/platform/platform.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

GeoPlace readplace(const ToolDialog& d) {
  GeoPlace p;
  p.latitudedegrees = d.number("latitude");
  p.latitudeminutes = d.number("latitudeminutes");
  p.latitudeseconds = d.number("latitudeseconds");
  p.north = d.first("north");
  p.longitudedegrees = d.number("longitude");
  p.longitudeminutes = d.number("longitudeminutes");
  p.longitudeseconds = d.number("longitudeseconds");
  p.east = d.first("east");
  return p;
}

void writeplace(ToolDialog& d, const GeoPlace& p) {
  d.setnumber("latitude", p.latitudedegrees);
  d.setnumber("latitudeminutes", p.latitudeminutes);
  d.setnumber("latitudeseconds", p.latitudeseconds);
  d.setfirst("north", p.north);
  d.setnumber("longitude", p.longitudedegrees);
  d.setnumber("longitudeminutes", p.longitudeminutes);
  d.setnumber("longitudeseconds", p.longitudeseconds);
  d.setfirst("east", p.east);
}

void writetime(ToolDialog& d, const ChartLocalTime& t) {
  d.setnumber("year", t.year);
  d.setnumber("month", t.month);
  d.setnumber("day", t.day);
  d.setnumber("hour", t.hour);
  d.setnumber("minute", t.minute);
  d.setnumber("zone", t.zone);
}

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  if (d.length("year") < 4 || !d.isnumber("year")) return;
  if (!d.placefromtable) readconfiguration(s);
  ChartPositionInputs in;
  in.place = readplace(d);
  in.placeindex = d.placefromtable ? s.locationindex : -1;
  in.places = s.configuration.locationTable;
  readdatetime(d, in, &ChartPositionInputs::halfzone);
  const ChartPosition r = buildchartposition(in, d.language());
  const ChartPositionInputs& c = r.corrected;
  d.placefromtable = false;
  writeplace(d, c.place);
  writedatetime(d, c, &ChartPositionInputs::halfzone);
  s.chart.enteredInstant = r.instant;
  s.chart.enteredLatitude = r.latitude;
  s.chart.enteredLongitude = r.longitude;
  d.showreport(r.text);
}

// The fields at opening: the chart's instant in the dialog's zone, the first
// configured place; "Pos. -" / "Pos. +" count from it.
void opening(ToolDialog& d) {
  ApplicationState& s = d.state();
  s.locationindex = 0;
  readconfiguration(s);
  writetime(d, chartlocaltime(s.chart.chartInstant, d.language()));
  GeoPlace first = configuredplace(s, 0);
  first.latitudeseconds = 0;
  first.longitudeseconds = 0;
  writeplace(d, first);
  d.placefromtable = false;
}

void now(ToolDialog& d) {
  const LocalDateTime t = localnow();
  writetime(d, {t.year, t.month, t.day, t.hour, t.minute, chartzone(t.year, t.month, t.day, d.language())});
  d.recalculate();
}

void stepplace(ToolDialog& d, int step) {
  ApplicationState& s = d.state();
  s.locationindex = toolsteps::steppedplace(s, s.locationindex, step);
  d.placefromtable = true;
  d.recalculate();
}
void previousplace(ToolDialog& d) { stepplace(d, -1); }
void nextplace(ToolDialog& d) { stepplace(d, 1); }

void takeinstant(ChartState& c) { c.chartInstant = c.enteredInstant; }
void takeplace(ChartState& c) {
  c.chartLatitude = c.enteredLatitude;
  c.chartLongitude = c.enteredLongitude;
}

void ok(ToolDialog& d) {
  d.recalculate();
  takeinstant(d.state().chart);
  takeplace(d.state().chart);
  d.accept();
}
void dateonly(ToolDialog& d) {
  d.recalculate();
  takeinstant(d.state().chart);
  d.accept();
}
void placeonly(ToolDialog& d) {
  d.recalculate();
  takeplace(d.state().chart);
  d.accept();
}
void cancel(ToolDialog& d) { d.reject(); }

void closing(ToolDialog& d) { d.placefromtable = false; }

using namespace controls;

constexpr ControlSpec seconds(const char* key, const char* germanname, const char* englishname, int row, int column) {
  ControlSpec c = field(key, "Sekunde:", "Second:", 2, 0, 59, 0, row, column);
  c.germanname = germanname;
  c.englishname = englishname;
  return c;
}

constexpr ControlSpec degrees(const char* key, int maxlength, int maximum, const char* germanname,
                              const char* englishname, int row) {
  ControlSpec c = field(key, "Grad:", "Deg.:", maxlength, 0, maximum, 0, row, 0);
  c.germanname = germanname;
  c.englishname = englishname;
  return c;
}

constexpr ControlSpec minutes(const char* key, const char* germanname, const char* englishname, int row) {
  ControlSpec c = field(key, "Minute:", "Minute:", 2, 0, 59, 0, row, 2);
  c.germanname = germanname;
  c.englishname = englishname;
  return c;
}

const ControlSpec dialogcontrols[] = {
    degrees("latitude", 2, 90, "Breite Grad", "Latitude Degrees", 0),
    minutes("latitudeminutes", "Breite Minute", "Latitude Minute", 0),
    seconds("latitudeseconds", "Breite Sekunde", "Latitude Second", 0, 4),
    northsouth(0, 6, "Breite", "Latitude"),
    degrees("longitude", 3, 180, "Länge Grad", "Longitude Degrees", 1),
    minutes("longitudeminutes", "Länge Minute", "Longitude Minute", 1),
    seconds("longitudeseconds", "Länge Sekunde", "Longitude Second", 1, 4),
    eastwest(1, 6, "Länge", "Longitude"),
    yearfield(1000, 3000, 2, 0),
    monthfield(2, 2),
    dayfield(2, 4),
    hourfield(3, 0),
    minutefield(3, 2),
    zonefield(3, 4),
    halfzone(3, 6),
    button("ok", "OK", "OK", ok, 0, 0),
    button("cancel", "Abbruch", "Cancel", cancel, 0, 1),
    button("place", "Ort", "Loc", placeonly, 0, 2),
    button("date", "Datum", "Date", dateonly, 0, 3),
    button("previousplace", "Pos. -", "Pos. -", previousplace, 0, 4),
    button("nextplace", "Pos. +", "Pos. +", nextplace, 0, 5),
    button("now", "Jetzt!", "Now!", now, 0, 6),
};

}  // namespace

const ToolDialogTable PositionDialog = {
    .name = "position",
    .templateid = 131,
    .icon = "sky_chart",
    .width = 330,
    .height = 260,
    .german = "Standort und Datum ändern",
    .english = "Change Location and Date",
    .controls = dialogcontrols,
    .calculate = calculate,
    .opening = opening,
    .closing = closing,
};

}  // namespace quendal
