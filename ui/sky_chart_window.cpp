// The sky chart window; see sky_chart_window.h.
#include "ui/sky_chart_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

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

constexpr double monthstep = 30.0;
constexpr double yearstep = 365.2425;
constexpr double minutestep = 1.0 / 1440.0;
constexpr int smallestside = 240;
constexpr int grownside = 280;

const QColor innercolour(20, 20, 250);     // Mercury, Venus, Mars
const QColor outercolour(250, 20, 20);     // Jupiter .. Pluto
const QColor luminarycolour(20, 250, 20);  // the Sun and the Moon
const QColor suncolour(250, 250, 0);       // the Sun of the solar-system views
const QColor headingcolour(250, 50, 50);
const QColor linecolour(50, 50, 50);

QColor bodycolour(int body) {
  if (body >= 10) return luminarycolour;
  return body <= 4 ? innercolour : outercolour;
}

}  // namespace

SkyChartWindow::SkyChartWindow(ApplicationState& state, QWidget* owner) : GraphWindow(state, owner) {
  setObjectName(QStringLiteral("sky_chart_window"));
  ChartState& c = state_.chart;
  if (c.chartInstant < 2000000.0 || c.chartInstant > 3000000.0) {
    // No planet report yet: now (the local clock read as UT) at the first
    // configured place.
    readconfiguration(state_);
    const LocationRecord& place = configuredplace(state_, 0);
    const LocalDateTime now = localnow();
    c.chartInstant = datetojd(now.year, now.month, now.day) + now.hour / 24.0 + now.minute / 1440.0;
    c.chartLatitude = latitudeof(place);
    c.chartLongitude = longitudeof(place);
    c.chartDisplayWord = SkyChartInputs{}.displayword;
  }
  orientation_ = initialorientation(c.chartLatitude);
  help_ = addwindowcommand(this, [this] { help(); });
  if (state_.printingEnabled) print_ = addwindowcommand(this, [this] { print(); });
  makebuttons();
  relabel();
}

void SkyChartWindow::relabel() {
  const bool german = language() != english;
  setWindowTitle(german ? QStringLiteral("Planetenposition - VSOP87D")
                        : QStringLiteral("Position of the Planets - VSOP87D"));
  help_->setText(german ? QStringLiteral("Hilfe... \tF1") : QStringLiteral("Help... \tF1"));
  if (print_) print_->setText(german ? QStringLiteral("Drucken... \tF3") : QStringLiteral("Print... \tF3"));
}

void SkyChartWindow::makebuttons() {
  QList<ButtonSpec> b = {{3, "Tag -", "Day -", 400, 80},
                         {4, "Tag +", "Day +", 500, 80},
                         {5, "Sicht <->", "View <->", 600, 80},
                         {6, "Hilfe - F1", "Help - F1", 700, 80}};
  if (view_ == skychartview) {
    b.append({7, "N <-> S", "N <-> S", 800, 80});
    b.append({8, "Info <->", "Info <->", 900, 80});
  }
  setbuttons(b);
}

void SkyChartWindow::buttonclicked(int id) {
  switch (id) {
    case 3:
      stepinstant(-1, 2000000.0, false);
      break;
    case 4:
      stepinstant(1, 2000000.0, false);
      break;
    case 5:
      nextview();
      break;
    case 6:
      help();
      break;
    case 7:
      orientation_ = (orientation_ + 1) % skychartorientations;
      update();
      break;
    case 8:
      fullcircle_ = !fullcircle_;
      update();
      break;
  }
}

void SkyChartWindow::stepinstant(double days, double lower, bool key) {
  if (key) hidebuttonsawhile();
  state_.chart.chartInstant = steppedinstant(state_.chart.chartInstant, days, lower);
  update();
}

void SkyChartWindow::nextview() {
  view_ = (view_ + 1) % skychartviews;
  makebuttons();
  update();
}

void SkyChartWindow::help() {
  showwindowhelp(this, skychartwindowhelp(view_, state_.printingEnabled, aboutplatform(), language()));
}

void SkyChartWindow::print() { printimage(QStringLiteral("PlanetPositions")); }

void SkyChartWindow::changeposition() {
  {
    ToolDialog dialog(PositionDialog, state_, this);
    dialog.exec();
  }
  state_.locationindex = 0;
  update();
}

void SkyChartWindow::keyPressEvent(QKeyEvent* event) {
  const bool chart = view_ == skychartview;
  switch (event->key()) {
    case Qt::Key_Left:
      stepinstant(chart ? -1.0 / 24.0 : -7.0);
      break;
    case Qt::Key_Right:
      stepinstant(chart ? 1.0 / 24.0 : 7.0);
      break;
    case Qt::Key_Down:
      if (chart) {
        hidebuttonsawhile();
        zoom_ = zoomedout(zoom_);
        update();
      } else {
        stepinstant(-monthstep, 1000000.0);
      }
      break;
    case Qt::Key_Up:
      if (chart) {
        hidebuttonsawhile();
        zoom_ = zoomedin(zoom_);
        update();
      } else {
        stepinstant(monthstep);
      }
      break;
    case Qt::Key_F4:
      stepinstant(chart ? -monthstep : -yearstep);
      break;
    case Qt::Key_F5:
      stepinstant(chart ? monthstep : yearstep);
      break;
    case Qt::Key_F8:
      stepinstant(chart ? -yearstep : -10 * yearstep);
      break;
    case Qt::Key_F9:
      stepinstant(chart ? yearstep : 10 * yearstep);
      break;
    case Qt::Key_Plus:
      stepinstant(minutestep);
      break;
    case Qt::Key_Minus:
      stepinstant(-minutestep, 1000000.0);
      break;
    case Qt::Key_F6:
      if (chart) buttonclicked(7);
      break;
    case Qt::Key_F7:
      if (chart) buttonclicked(8);
      break;
    case Qt::Key_F1:
      help();
      break;
    case Qt::Key_F2:
      togglebuttons();
      break;
    case Qt::Key_F3:
      print();
      break;
    case Qt::Key_F10:
      changeposition();
      break;
    case Qt::Key_F11:
      togglelanguage();
      relabel();
      update();
      break;
    case Qt::Key_F12:
      nextview();
      break;
    case Qt::Key_Escape:
      close();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
}

bool SkyChartWindow::needsresize(int w, int h) {
  if (w >= smallestside && h >= smallestside) return false;
  const QSize grown(w < smallestside ? grownside : w, h < smallestside ? grownside : h);
  QTimer::singleShot(0, this, [this, grown] { resize(grown); });
  return true;
}

void SkyChartWindow::draw(QPainter& p, int w, int h, bool direct) {
  const int centre = std::min(w, h) / 2;
  p.setPen(headingcolour);
  drawtextat(p, 15, 15,
             text(skycharttitle(state_.chart.chartInstant, language())) + (direct ? QStringLiteral(".") : QString()));
  if (view_ == skychartview)
    drawskychart(p, w, h, centre);
  else
    drawsolarsystem(p, centre);
}

void SkyChartWindow::drawskychart(QPainter& p, int w, int h, int c) {
  const int lh = p.fontMetrics().height();
  SkyChartInputs in;
  const ChartState& s = state_.chart;
  in.instant = s.chartInstant;
  in.longitude = s.chartLongitude;
  in.latitude = s.chartLatitude;
  in.displayword = s.chartDisplayWord;
  in.orientation = orientation_;
  in.zoom = zoom_;
  in.fullcircle = fullcircle_;
  in.places = state_.configuration.locationTable;
  const SkyChart chart = buildskychart(in, c, language());

  p.setPen(QPen(linecolour, 1));
  p.drawLine(10, c, 2 * c - 10, c);
  p.drawLine(c, 3 * lh + 5, c, fullcircle_ ? 2 * c - 3 * lh + 5 : c);
  drawtextat(p, c - 20, 4 * lh / 3 + 15, text(chart.compass[0]));
  drawtextat(p, 5, c - 8, text(chart.compass[1]));
  drawtextat(p, 2 * c - 12, c - 8, text(chart.compass[2]));
  if (fullcircle_) drawtextat(p, c - 20, 2 * c - 3 * lh + 5, text(chart.compass[3]));
  drawtextat(p, 15, 4 * lh / 3 + 15, text(chart.time));

  for (const ChartBody& b : chart.bodies) {
    if (!b.point.drawn || b.labelx < 1 || b.labelx > w - 46 || b.labely < 1 || b.labely > h - 46) continue;
    p.setPen(bodycolour(b.body));
    drawtextat(p, b.labelx + 10, b.labely - 8, QString::fromLatin1(bodyletters[b.body]));
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const ChartBody& b : chart.bodies)
    if (b.point.drawn) drawdisc(p, b.point.x, b.point.y, b.body >= 10 ? 5 : 3, bodycolour(b.body));
  p.setRenderHint(QPainter::Antialiasing, false);

  // The information lines at the foot of the window, below the horizon line.
  if (chart.info.empty()) return;
  const int lines = static_cast<int>(chart.info.size());
  int y = std::max(c + lh, h - (lines + 1) * lh);
  p.setPen(linecolour);
  for (const std::string& line : chart.info) {
    drawtextat(p, 15, y, text(line));
    y += lh;
  }
}

void SkyChartWindow::drawsolarsystem(QPainter& p, int c) {
  const SolarSystem s = buildsolarsystem(state_.chart.chartInstant, view_, c);
  p.setRenderHint(QPainter::Antialiasing, true);
  drawdisc(p, c, c, 12, suncolour);
  for (const SolarBody& b : s.planets) {
    const bool earth = b.body == 3;
    p.setPen(earth ? innercolour : linecolour);
    drawtextat(p, b.labelx, b.labely, QString::fromLatin1(b.label.c_str()));
    drawdisc(p, b.x, b.y, b.radius, earth ? innercolour : outercolour);
  }
  drawdisc(p, s.moonx, s.moony, 2, outercolour);
  p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace quendal
