// The equation-of-time graph window; see equation_of_time_window.h.
#include "ui/equation_of_time_window.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "calendar/text.h"
#include "reports/eot_graph.h"
#include "reports/eot_report.h"
#include "ui/about_box.h"
#include "ui/window_support.h"

namespace quendal {

namespace {

constexpr int firstyear = 1000;
constexpr int lastyear = 4000;

// A year stepped with the wrap of the arrow keys: below 1000 to 4000, above
// 4000 to 1000.
int wrapped(int year) {
  if (year < firstyear) return lastyear;
  if (year > lastyear) return firstyear;
  return year;
}

const QColor curvecolour(0, 255, 55);
const QColor gridcolour(155, 155, 155);
const QColor textcolour(50, 50, 50);
const QColor markercolour(180, 0, 0);
const QColor headingcolour(180, 50, 0);
const QColor turningcolour(150, 50, 50);

}  // namespace

EquationOfTimeWindow::EquationOfTimeWindow(ApplicationState& state, int year, QWidget* owner)
    : GraphWindow(state, owner), year_(std::clamp(year, firstyear, lastyear)) {
  setObjectName(QStringLiteral("equation_of_time_window"));
  setbuttons({{3, "Jahr -", "Year -", 400}, {4, "Jahr +", "Year +", 520}, {6, "Hilfe - F1", "Help - F1", 640}});
  help_ = addwindowcommand(this, [this] { help(); });
  if (state_.printingEnabled) print_ = addwindowcommand(this, [this] { print(); });
  relabelcommands();
  setWindowTitle(QStringLiteral("Equation of Time %1").arg(year_));
}

void EquationOfTimeWindow::relabelcommands() {
  const bool german = language() != english;
  help_->setText(german ? QStringLiteral("Hilfe... \tF1") : QStringLiteral("Help... \tF1"));
  if (print_) print_->setText(german ? QStringLiteral("Drucken... \tF3") : QStringLiteral("Print... \tF3"));
}

void EquationOfTimeWindow::setyear(int year, bool key) {
  year_ = year;
  emit yearChanged(year_);
  if (key) hidebuttonsawhile();
  setWindowTitle(QStringLiteral("Equation of Time %1").arg(year_));
  update();
}

void EquationOfTimeWindow::buttonclicked(int id) {
  if (id == 3) setyear(wrapped(year_ - 1), false);
  if (id == 4) setyear(wrapped(year_ + 1), false);
  if (id == 6) help();
}

void EquationOfTimeWindow::help() {
  showwindowhelp(this, eotwindowhelp(state_.printingEnabled, aboutplatform(), language()));
}

void EquationOfTimeWindow::print() { printimage(QStringLiteral("EquationofTime")); }

void EquationOfTimeWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      setyear(wrapped(year_ - 1));
      break;
    case Qt::Key_Right:
      setyear(wrapped(year_ + 1));
      break;
    case Qt::Key_Up:
      setyear(wrapped(year_ + 10));
      break;
    case Qt::Key_Down:
      setyear(wrapped(year_ - 10));
      break;
    case Qt::Key_F4:
      setyear(year_ < 1011 ? year_ : year_ - 10);
      break;
    case Qt::Key_F5:
      setyear(year_ >= 3989 ? year_ : year_ + 10);
      break;
    case Qt::Key_F8:
      setyear(year_ > 1100 ? year_ - 100 : year_);
      break;
    case Qt::Key_F9:
      setyear(year_ < 3900 ? year_ + 100 : year_);
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
    case Qt::Key_F11:
      togglelanguage();
      relabelcommands();
      update();
      break;
    case Qt::Key_Escape:
      close();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
}

bool EquationOfTimeWindow::needsresize(int w, int h) {
  const EotGraphSize s = eotgraphsize(w, h);
  if (!s.enlarged) return false;
  QTimer::singleShot(0, this, [this, s] { resize(s.width, s.height); });
  return true;
}

void EquationOfTimeWindow::draw(QPainter& p, int w, int h, bool direct) {
  const Language lang = language();
  const EotGraph g = buildeotgraph(year_, w, h, lang);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::white, 2));
  p.drawRect(0, 0, w, h);

  p.setPen(QPen(gridcolour, 2));
  for (const GraphLine& l : g.grid) p.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
  for (const GraphLine& l : g.markers) p.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
  p.setPen(textcolour);
  for (const GraphText& t : g.gridlabels) drawtextat(p, t.at.x, t.at.y, text(t.text));
  p.setPen(markercolour);
  for (const GraphText& t : g.markerlabels) drawtextat(p, t.at.x, t.at.y, text(t.text));

  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(curvecolour, 2));
  for (std::size_t i = 1; i < g.curve.size(); ++i)
    p.drawLine(g.curve[i - 1].x, g.curve[i - 1].y, g.curve[i].x, g.curve[i].y);
  p.setRenderHint(QPainter::Antialiasing, false);

  p.setPen(headingcolour);
  drawtextat(p, g.title.at.x, g.title.at.y, text(g.title.text) + (direct ? QStringLiteral(".") : QString()));
  const int th = p.fontMetrics().height();

  const int slot = EotYearEvents(state_.yearEventCache, year_);
  const EotGraphFooter f = buildeotgraphfooter(eotyearslot(state_.yearEventCache, slot).events, w, h, th, lang);
  p.setPen(turningcolour);
  for (const GraphText& t : f.turningpoints) drawtextat(p, t.at.x, t.at.y, text(t.text));
  p.setPen(textcolour);
  drawtextat(p, f.size.at.x, f.size.at.y, text(f.size.text));
}

}  // namespace quendal
