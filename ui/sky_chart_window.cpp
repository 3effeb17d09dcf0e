// The sky chart window; see sky_chart_window.h.
#include "ui/sky_chart_window.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <cstddef>
#include <span>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/sky_chart.h"
#include "ui/about_box.h"
#include "ui/configuration_reading.h"
#include "ui/platform/platform.h"
#include "ui/tool_dialog.h"
#include "ui/tool_dialogs.h"
#include "ui/window_support.h"

namespace quendal {

namespace {

constexpr double hoursperday = 24.0;
constexpr double minutesperday = 1440.0;

// The steps of the keys and buttons, in days.
constexpr double minutestep = 1.0 / minutesperday;
constexpr double hourstep = 1.0 / hoursperday;
constexpr double daystep = 1.0;
constexpr double weekstep = 7.0;
constexpr double monthstep = 30.0;
constexpr double yearstep = 365.2425;
constexpr double decadestep = 10 * yearstep;

// The Julian dates of the chart: an instant outside firstinstant..lastinstant
// is none yet (no planet report); a step back goes no lower than
// firstinstant, by the minute key and by a month of the solar-system views
// no lower than earliestinstant.
constexpr double firstinstant = 2000000.0;
constexpr double lastinstant = 3000000.0;
constexpr double earliestinstant = 1000000.0;

// The keys that move the instant, by so many days in the sky chart and in
// the solar-system views.
struct InstantStep {
  const char* name;
  Qt::Key key;
  double chartdays;
  double solardays;
  double lowest = firstinstant;
};
constexpr InstantStep instantsteps[] = {
    {"stepback", Qt::Key_Left, -hourstep, -weekstep},
    {"stepon", Qt::Key_Right, hourstep, weekstep},
    {"monthback", Qt::Key_F4, -monthstep, -yearstep},
    {"monthon", Qt::Key_F5, monthstep, yearstep},
    {"yearback", Qt::Key_F8, -yearstep, -decadestep},
    {"yearon", Qt::Key_F9, yearstep, decadestep},
    {"minuteback", Qt::Key_Minus, -minutestep, -minutestep, earliestinstant},
    {"minuteon", Qt::Key_Plus, minutestep, minutestep},
};

// The buttons from x = 400, one every 100 pixels, 80 wide: a day back and
// on, the next view, the help, and in the sky chart also the orientation
// and the information lines (F6 and F7).
constexpr GraphWindow::ButtonRow buttonrow{400, 100, 80};
constexpr GraphWindow::ButtonEntry buttons[] = {
    {"button3", {"Tag -", "Day -"}, "dayback"},     {"button4", {"Tag +", "Day +"}, "dayon"},
    {"button5", {"Sicht <->", "View <->"}, "view"}, {"button6", labels::helpbutton, "help"},
    {"button7", {"N <-> S", "N <-> S"}, "turn"},    {"button8", {"Info <->", "Info <->"}, "info"}};
constexpr std::size_t solarsystembuttons = 4;  // the first four

constexpr Bilingual caption{"Planetenposition - VSOP87D", "Position of the Planets - VSOP87D"};

// A window smaller than smallestside in either direction is made grownside
// in that direction before anything is drawn.
constexpr int smallestside = 240;
constexpr int grownside = 280;

// The picture, in pixels. The title's left and top; the time and the
// information lines start at the same left.
constexpr int margin = 15;
// The horizon line keeps horizoninset from the left and right edges of the
// chart's square; the meridian keeps meridianlines lines from its top (and
// with the full circle from its bottom), both ends meridianshift lower.
constexpr int horizoninset = 10;
constexpr int meridianlines = 3;
constexpr int meridianshift = 5;
// The compass names: the top and bottom ones compassleft left of the
// meridian; the left and right ones compassinset from the left and right
// edges of the square, their text's box compassabove above the horizon line.
constexpr int compassleft = 20;
constexpr int compassinset = 5;
constexpr int compassabove = 2;
// A body's label: drawn labelright right of and labelabove above its label
// point, and only when that point lies inside the window at least labelroom
// pixels from its right and bottom edges.
constexpr int labelright = 10;
constexpr int labelabove = 8;
constexpr int labelroom = 46;
// The radii of the discs.
constexpr int luminaryradius = 5;  // the Sun and the Moon of the chart
constexpr int planetradius = 3;
constexpr int sunradius = 12;  // the solar-system views
constexpr int moonradius = 2;
constexpr qreal sunedgewidth = 2;  // the edge around the Sun's disc

// Bodies by their name-table numbers (calendar/text.h bodynames): 1..9
// Mercury to Pluto, 10 the Sun, 11 the Moon.
constexpr int earthbody = 3;
constexpr int marsbody = 4;
constexpr int sunbody = 10;

QColor bodycolour(int body) {
  const SkyChartColours& c = skychartcolours;
  if (body >= sunbody) return colour(c.luminary);
  return colour(body <= marsbody ? c.inner : c.outer);
}

}  // namespace

SkyChartWindow::SkyChartWindow(DesktopState& state, QWidget* owner)
    : GraphWindow(state, QStringLiteral("PlanetPositions"), owner, MenuOrder::printfirst) {
  setObjectName(QStringLiteral("sky_chart_window"));
  ChartModel& chart = state_.chart;
  if (chart.chartInstant() < firstinstant || chart.chartInstant() > lastinstant) {
    // No planet report yet: now (the local clock read as UT) at the first
    // configured place.
    loadconfiguration(state_.application);
    const LocationRecord& place = state_.application.configuredplace(0);
    const LocalDateTime now = localnow();
    ChartState c = chart.state();
    c.chartInstant = datetojd(now.year, now.month, now.day) + now.hour / hoursperday + now.minute / minutesperday;
    c.chartLatitude = latitudeof(place);
    c.chartLongitude = longitudeof(place);
    c.chartDisplayWord = SkyChartInputs{}.displayword;
    chart.setState(c);
  }
  orientation_ = initialorientation(chart.chartLatitude());
  createcommands();
  makebuttons();
  relabel();
}

// The keys that move the instant and the zoom hide the buttons a while;
// the turn and the information lines (F6, F7) act in the sky chart only.
void SkyChartWindow::createcommands() {
  for (const InstantStep& s : instantsteps) {
    addcommand(s.name, {s.key}, ByKey::hidebuttons,
               [this, s] { stepinstant(view_ == skychartview ? s.chartdays : s.solardays, s.lowest); });
  }
  addcommand("zoomin", {Qt::Key_Up}, ByKey::hidebuttons, [this] { zoomin(); });
  addcommand("zoomout", {Qt::Key_Down}, ByKey::hidebuttons, [this] { zoomout(); });
  addcommand("dayback", {}, ByKey::keepbuttons, [this] { stepinstant(-daystep, firstinstant); });
  addcommand("dayon", {}, ByKey::keepbuttons, [this] { stepinstant(daystep, firstinstant); });
  addcommand("turn", {Qt::Key_F6}, ByKey::keepbuttons, [this] { turn(); });
  addcommand("info", {Qt::Key_F7}, ByKey::keepbuttons, [this] { toggleinfo(); });
  addcommand("position", {Qt::Key_F10}, ByKey::keepbuttons, [this] { changeposition(); });
  addcommand("view", {Qt::Key_F12}, ByKey::keepbuttons, [this] { nextview(); });
}

void SkyChartWindow::relabel() { setWindowTitle(inlanguage(caption, language())); }

void SkyChartWindow::makebuttons() {
  const std::span<const ButtonEntry> all(buttons);
  setbuttons(buttonrow, view_ == skychartview ? all : all.first(solarsystembuttons));
}

void SkyChartWindow::stepinstant(double days, double lowest) {
  state_.chart.setChartInstant(steppedinstant(state_.chart.chartInstant(), days, lowest));
  update();
}

void SkyChartWindow::zoomin() {
  if (view_ != skychartview) {
    stepinstant(monthstep, firstinstant);
    return;
  }
  zoom_ = zoomedin(zoom_);
  update();
}

void SkyChartWindow::zoomout() {
  if (view_ != skychartview) {
    stepinstant(-monthstep, earliestinstant);
    return;
  }
  zoom_ = zoomedout(zoom_);
  update();
}

void SkyChartWindow::turn() {
  if (view_ != skychartview) return;
  orientation_ = (orientation_ + 1) % skychartorientations;
  update();
}

void SkyChartWindow::toggleinfo() {
  if (view_ != skychartview) return;
  fullcircle_ = !fullcircle_;
  update();
}

void SkyChartWindow::nextview() {
  view_ = (view_ + 1) % skychartviews;
  makebuttons();
  update();
}

void SkyChartWindow::help() {
  showwindowhelp(this, skychartwindowhelp(view_, state_.application.printingEnabled, aboutplatform(), language()));
}

// The window repaints when the dialog has closed, whatever it took into the
// chart: the dialog reads the configuration again, whose place names the
// chart shows.
void SkyChartWindow::changeposition() {
  {
    ToolDialog dialog(PositionDialog, state_, this);
    dialog.exec();
  }
  state_.session.setLocationindex(0);
  update();
}

QSize SkyChartWindow::grownsize(QSize size) const {
  return {size.width() < smallestside ? grownside : size.width(),
          size.height() < smallestside ? grownside : size.height()};
}

void SkyChartWindow::draw(QPainter& p, int w, int h, bool direct) {
  const int centre = std::min(w, h) / 2;
  p.setPen(colour(skychartcolours.title));
  drawtextat(p, margin, margin,
             text(skycharttitle(state_.chart.chartInstant(), language())) + (direct ? QStringLiteral(".") : QString()));
  if (view_ == skychartview)
    drawskychart(p, w, h, centre);
  else
    drawsolarsystem(p, centre);
}

void SkyChartWindow::drawskychart(QPainter& p, int w, int h, int c) {
  const int lh = p.fontMetrics().height();
  SkyChartInputs in;
  const ChartState& s = state_.chart.state();
  in.instant = s.chartInstant;
  in.longitude = s.chartLongitude;
  in.latitude = s.chartLatitude;
  in.displayword = s.chartDisplayWord;
  in.orientation = orientation_;
  in.zoom = zoom_;
  in.fullcircle = fullcircle_;
  in.places = state_.application.configuration.locationTable;
  const SkyChart chart = buildskychart(in, c, language());

  const int side = 2 * c;                   // of the chart's square
  const int timetop = 4 * lh / 3 + margin;  // the time and the top compass name, a line and a third below the title
  const int meridiantop = meridianlines * lh + meridianshift;
  const int meridianbottom = side - meridianlines * lh + meridianshift;
  const QColor linecolour = colour(skychartcolours.line);
  p.setPen(QPen(linecolour, 1));
  p.drawLine(horizoninset, c, side - horizoninset, c);
  p.drawLine(c, meridiantop, c, fullcircle_ ? meridianbottom : c);
  drawtextat(p, c - compassleft, timetop, text(chart.compass[0]));
  const int compasstop = c - compassabove - lh;
  const QString right = text(chart.compass[2]);
  drawtextat(p, compassinset, compasstop, text(chart.compass[1]));
  drawtextat(p, side - compassinset - p.fontMetrics().horizontalAdvance(right), compasstop, right);
  if (fullcircle_) drawtextat(p, c - compassleft, meridianbottom, text(chart.compass[3]));
  drawtextat(p, margin, timetop, text(chart.time));

  for (const ChartBody& b : chart.bodies) {
    if (!b.point.drawn || b.labelx < 1 || b.labelx > w - labelroom || b.labely < 1 || b.labely > h - labelroom)
      continue;
    p.setPen(bodycolour(b.body));
    drawtextat(p, b.labelx + labelright, b.labely - labelabove, QString::fromLatin1(bodyletters[b.body]));
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const ChartBody& b : chart.bodies) {
    const int radius = b.body >= sunbody ? luminaryradius : planetradius;
    if (b.point.drawn) drawdisc(p, b.point.x, b.point.y, radius, bodycolour(b.body));
  }
  p.setRenderHint(QPainter::Antialiasing, false);

  // The information lines at the foot of the window, below the horizon
  // line, in the fixed-pitch font their columns are padded for.
  if (chart.info.empty()) return;
  p.save();
  p.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  const int infolh = p.fontMetrics().height();
  const int lines = static_cast<int>(chart.info.size());
  int y = std::max(c + lh, h - (lines + 1) * infolh);
  p.setPen(linecolour);
  for (const std::string& line : chart.info) {
    drawtextat(p, margin, y, text(line));
    y += infolh;
  }
  p.restore();
}

void SkyChartWindow::drawsolarsystem(QPainter& p, int c) {
  const SkyChartColours& colours = skychartcolours;
  const SolarSystem s = buildsolarsystem(state_.chart.chartInstant(), view_, c);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.save();
  p.setPen(QPen(colour(colours.sunedge), sunedgewidth));
  p.setBrush(colour(colours.sun));
  p.drawEllipse(QPoint(c, c), sunradius, sunradius);
  p.restore();
  for (const SolarBody& b : s.planets) {
    const bool earth = b.body == earthbody;
    p.setPen(colour(earth ? colours.inner : colours.line));
    drawtextat(p, b.labelx, b.labely, QString::fromLatin1(b.label.c_str()));
    drawdisc(p, b.x, b.y, b.radius, colour(earth ? colours.inner : colours.outer));
  }
  drawdisc(p, s.moonx, s.moony, moonradius, colour(colours.outer));
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace quendal
