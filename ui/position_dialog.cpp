// PositionDialog: a new place and instant for the sky chart. Its report
// shows the entered place and instant; "OK" takes both into the chart,
// "Datum" only the instant, "Ort" only the place, "Abbruch" nothing.
#include "reports/chart_position.h"
#include "ui/configuration_reading.h"
#include "ui/datetime_fields.h"
#include "ui/place_fields.h"
#include "ui/platform/platform.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange years{1000, 3000};  // the years of the sky chart

// The place to the second of arc.
constexpr PlaceKeys keys{.latitudeseconds = "latitudeseconds", .longitudeseconds = "longitudeseconds"};

void writetime(ToolDialog& d, const ChartLocalTime& t) {
  d.setnumber("year", t.year);
  d.setnumber("month", t.month);
  d.setnumber("day", t.day);
  d.setnumber("hour", t.hour);
  d.setnumber("minute", t.minute);
  d.setnumber("zone", t.zone);
}

// The entered place, zone and instant at every calculation, so that "Ort"
// and "OK" take what the fields show. Only the year waits until its field
// is complete: meanwhile the date keeps the year of the last calculation,
// the field what was typed, and the report stays hidden.
void calculate(ToolDialog& d) {
  DesktopState& s = d.state();
  const bool yearread = d.yearcomplete("year");
  if (!positionmode(d)) loadconfiguration(s.application);
  ChartPositionInputs in;
  in.place = readplace(d, keys);
  in.placeindex = placeindex(d);
  in.places = s.application.configuration.locationTable;
  readdatetime(d, in, &ChartPositionInputs::halfzone);
  if (!yearread) in.year = d.date.year;
  const ChartPosition r = buildchartposition(in, d.language());
  const ChartPositionInputs& c = r.corrected;
  writeplace(d, c.place, keys);
  writedatetime(d, c, &ChartPositionInputs::halfzone);
  s.chart.setEntered(r.instant, r.latitude, r.longitude);
  if (yearread)
    d.showreport(r.text);
  else
    d.hidereport();
}

// The fields at opening: the chart's instant in the dialog's zone, the first
// configured place; "Pos. -" / "Pos. +" count from it.
void opening(ToolDialog& d) {
  DesktopState& s = d.state();
  s.session.setLocationindex(0);
  loadconfiguration(s.application);
  writetime(d, chartlocaltime(s.chart.chartInstant(), d.language()));
  GeoPlace first = s.application.configuredplace(0);
  first.latitudeseconds = 0;
  first.longitudeseconds = 0;
  writeplace(d, first, keys);
}

void now(ToolDialog& d) {
  const LocalDateTime t = localnow();
  writetime(d, {t.year, t.month, t.day, t.hour, t.minute, chartzone(t.year, t.month, t.day, d.language())});
  d.recalculate();
}

void ok(ToolDialog& d) {
  d.recalculate();
  d.state().chart.takeenteredinstant();
  d.state().chart.takeenteredplace();
  d.accept();
}
void dateonly(ToolDialog& d) {
  d.recalculate();
  d.state().chart.takeenteredinstant();
  d.accept();
}
void placeonly(ToolDialog& d) {
  d.recalculate();
  d.state().chart.takeenteredplace();
  d.accept();
}
void cancel(ToolDialog& d) { d.reject(); }

using namespace controls;

// The degrees' labels say which row is the latitude and which the longitude.
constexpr ControlSpec labelled(ControlSpec control, Bilingual label) {
  control.label = label;
  return control;
}

const ControlSpec dialogcontrols[] = {
    labelled(latitudedegrees("latitude", {"Breite Grad", "Latitude Degrees"}), {"Breite Grad:", "Latitude Deg.:"})
        .at(0, 0),
    arcminutes("latitudeminutes", {"Breite Minute", "Latitude Minute"}).at(0, 2),
    arcseconds("latitudeseconds", {"Breite Sekunde", "Latitude Second"}).at(0, 4),
    northsouth().named({"Breite", "Latitude"}).at(0, 6),
    labelled(longitudedegrees("longitude", {"Länge Grad", "Longitude Degrees"}), {"Länge Grad:", "Longitude Deg.:"})
        .at(1, 0),
    arcminutes("longitudeminutes", {"Länge Minute", "Longitude Minute"}).at(1, 2),
    arcseconds("longitudeseconds", {"Länge Sekunde", "Longitude Second"}).at(1, 4),
    eastwest().named({"Länge", "Longitude"}).at(1, 6),
    yearfield(years).at(2, 0),
    monthfield().at(2, 2),
    dayfield().at(2, 4),
    hourfield().at(3, 0),
    minutefield().at(3, 2),
    zonefield().at(3, 4),
    halfzone().at(3, 6),
    button("ok", {"OK", "OK"}, ok).at(0, 0),
    button("cancel", {"Abbruch", "Cancel"}, cancel).at(0, 1),
    button("place", {"Ort", "Loc"}, placeonly).at(0, 2),
    button("date", {"Datum", "Date"}, dateonly).at(0, 3),
    button("previousplace", {"Pos. -", "Pos. -"}, previousplace).at(0, 4),
    button("nextplace", {"Pos. +", "Pos. +"}, nextplace).at(0, 5),
    button("now", {"Jetzt!", "Now!"}, now).at(0, 6),
};

}  // namespace

const ToolDialogTable PositionDialog = {
    .name = "position",
    .templateid = 131,
    .icon = "sky_chart",
    .width = 330,
    .height = 260,
    .caption = {"Standort und Datum ändern", "Change Location and Date"},
    .controls = dialogcontrols,
    .calculate = calculate,
    .opening = opening,
    .withincompleteyear = true,
};

}  // namespace quendal
