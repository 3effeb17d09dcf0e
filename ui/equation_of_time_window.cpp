// The equation-of-time graph window; see equation_of_time_window.h.
#include "ui/equation_of_time_window.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "calendar/text.h"
#include "reports/eot_graph.h"
#include "reports/eot_report.h"
#include "ui/about_box.h"
#include "ui/platform/platform.h"
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

// The keys that move through the years, step years at a time: the arrow
// keys wrap around; the decade and century keys step only from the years
// from..to and leave the others as they are.
struct YearStep {
  const char* name;
  Qt::Key key;
  int step;
  bool wraps;
  int from = firstyear;
  int to = lastyear;
};
constexpr YearStep yearsteps[] = {
    {"yearback", Qt::Key_Left, -1, true},
    {"yearon", Qt::Key_Right, 1, true},
    {"decadeback", Qt::Key_Down, -10, true},
    {"decadeon", Qt::Key_Up, 10, true},
    {"decadebackwithin", Qt::Key_F4, -10, false, 1011, lastyear},
    {"decadeonwithin", Qt::Key_F5, 10, false, firstyear, 3988},
    {"centurybackwithin", Qt::Key_F8, -100, false, 1101, lastyear},
    {"centuryonwithin", Qt::Key_F9, 100, false, firstyear, 3899},
};

int stepped(int year, const YearStep& s) {
  if (s.wraps) return wrapped(year + s.step);
  return year >= s.from && year <= s.to ? year + s.step : year;
}

// The buttons from x = 400, one every 120 pixels, 100 wide: a year back and
// on as the left and right keys (but leaving the buttons where they are),
// and the help.
constexpr GraphWindow::ButtonRow buttonrow{400, 120, 100};
constexpr GraphWindow::ButtonEntry buttons[] = {{"button3", {"Jahr -", "Year -"}, "yearback"},
                                                {"button4", {"Jahr +", "Year +"}, "yearon"},
                                                {"button6", labels::helpbutton, "help"}};

QString caption(int year) { return QStringLiteral("Equation of Time %1").arg(year); }

}  // namespace

EquationOfTimeWindow::EquationOfTimeWindow(DesktopState& state, int year, QWidget* owner)
    : GraphWindow(state, QStringLiteral("EquationofTime"), owner), year_(std::clamp(year, firstyear, lastyear)) {
  setObjectName(QStringLiteral("equation_of_time_window"));
  createcommands();
  setWindowTitle(caption(year_));
}

void EquationOfTimeWindow::createcommands() {
  for (const YearStep& s : yearsteps)
    addcommand(s.name, {s.key}, ByKey::hidebuttons, [this, s] { setyear(stepped(year_, s)); });
  setbuttons(buttonrow, buttons);
}

void EquationOfTimeWindow::setyear(int year) {
  year_ = year;
  emit yearChanged(year_);
  setWindowTitle(caption(year_));
  update();
}

void EquationOfTimeWindow::help() {
  showwindowhelp(this, eotwindowhelp(state_.application.printingEnabled, aboutplatform(), language()));
}

QSize EquationOfTimeWindow::grownsize(QSize size) const {
  const EotGraphSize s = eotgraphsize(size.width(), size.height());
  return s.enlarged ? QSize(s.width, s.height) : size;
}

void EquationOfTimeWindow::draw(QPainter& p, int w, int h, bool direct) {
  const Language lang = language();
  const EotGraph g = buildeotgraph(year_, w, h, lang);
  p.setRenderHint(QPainter::Antialiasing, false);
  const EotGraphColours& c = eotgraphcolours;
  p.setPen(QPen(colour(canvasrgb), 2));
  p.drawRect(0, 0, w, h);

  p.setPen(QPen(colour(c.grid), 2));
  for (const GraphLine& l : g.grid) p.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
  for (const GraphLine& l : g.markers) p.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
  p.setPen(colour(c.text));
  for (const GraphText& t : g.gridlabels) drawtextat(p, t.at.x, t.at.y, text(t.text));
  p.setPen(colour(c.markerlabel));
  for (const GraphText& t : g.markerlabels) drawtextat(p, t.at.x, t.at.y, text(t.text));

  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(colour(c.curve), 2));
  for (std::size_t i = 1; i < g.curve.size(); ++i)
    p.drawLine(g.curve[i - 1].x, g.curve[i - 1].y, g.curve[i].x, g.curve[i].y);
  p.setRenderHint(QPainter::Antialiasing, false);

  p.setPen(colour(c.title));
  drawtextat(p, g.title.at.x, g.title.at.y, text(g.title.text) + (direct ? QStringLiteral(".") : QString()));
  const int th = p.fontMetrics().height();

  const int slot = EotYearEvents(state_.yearEventCache, year_);
  const EotGraphFooter f = buildeotgraphfooter(eotyearslot(state_.yearEventCache, slot).events, w, h, th, lang);
  p.setPen(colour(c.turningpoint));
  for (const GraphText& t : f.turningpoints) drawtextat(p, t.at.x, t.at.y, text(t.text));
  p.setPen(colour(c.text));
  drawtextat(p, f.size.at.x, f.size.at.y, text(f.size.text));
}

}  // namespace quendal
