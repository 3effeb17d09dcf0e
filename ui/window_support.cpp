// Shared pieces of the windows; see window_support.h.
#include "ui/window_support.h"

#include <QAction>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "ui/platform/platform.h"

namespace quendal {

QRect initialwindowgeometry(const QWidget* window) {
  const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  const QSize s = screen ? screen->geometry().size() : QSize(1024, 768);
  const int w = s.width(), h = s.height();
  return {w / 8, h / 80, 3 * w / 4, 9 * h / 10 + h / 40};
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

QAction* addwindowcommand(QWidget* window, std::function<void()> command) {
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* action = new QAction(window);
  QObject::connect(action, &QAction::triggered, window, std::move(command));
  window->addAction(action);
  return action;
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
