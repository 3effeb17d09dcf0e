// Shared pieces of the windows; see window_support.h.
#include "ui/window_support.h"

#include <QAction>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "ui/platform/platform.h"

namespace quendal {

namespace {

// A fraction of a length in pixels, rounded down.
struct Fraction {
  int numerator;
  int denominator;
  int of(int length) const { return numerator * length / denominator; }
};

// Where a window opens on a screen of width W and height H: left W/8, top
// H/80, width 3W/4, height 9H/10 + H/40.
constexpr Fraction openingleft{1, 8};
constexpr Fraction openingtop{1, 80};
constexpr Fraction openingwidth{3, 4};
constexpr Fraction openingheight{9, 10};
constexpr Fraction openingheightmore{1, 40};

}  // namespace

QRect initialwindowgeometry(const QWidget* window) {
  const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  const QSize s = screen ? screen->geometry().size() : fallbackscreensize;
  const int w = s.width(), h = s.height();
  return {openingleft.of(w), openingtop.of(h), openingwidth.of(w), openingheight.of(h) + openingheightmore.of(h)};
}

void drawtextat(QPainter& painter, int x, int top, const QString& text) {
  painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

void drawdisc(QPainter& painter, int x, int y, int radius, const QColor& colour) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(QPoint(x, y), radius, radius);
  painter.restore();
}

bool triggercommandofkey(const QList<QAction*>& commands, const QKeyEvent& event) {
  const QKeySequence key(event.key());
  for (QAction* command : commands) {
    if (command->shortcuts().contains(key)) {
      command->trigger();
      return true;
    }
  }
  return false;
}

void runwindow(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  QEventLoop loop;
  QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
  window->show();
  window->raise();
  window->activateWindow();
  loop.exec();
}

void showwindowhelp(QWidget* owner, const WindowHelp& help) {
  informationbox(owner, text(help.title), text(help.text));
}

}  // namespace quendal
