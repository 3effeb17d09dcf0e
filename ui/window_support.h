// What the calendar window and the two graph windows share: the initial
// geometry of a top-level window, text drawn from its top-left corner,
// colours of the display lists, the keys that reach a window's commands
// without their shortcuts, and the keyboard help box.
#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <string>

#include "reports/calendar_display.h"
#include "reports/window_help.h"

class QAction;
class QKeyEvent;
class QPainter;
class QWidget;

namespace quendal {

// left W/8, top H/80, width 3W/4, height 9H/10 + H/40 of the screen W x H.
QRect initialwindowgeometry(const QWidget* window);

inline QColor colour(const Rgb& c) { return QColor(c.red, c.green, c.blue); }
inline QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Draws text with its top-left corner at (x, top) in the pen's colour.
void drawtextat(QPainter& painter, int x, int top, const QString& text);
// A filled disc of the radius around (x, y).
void drawdisc(QPainter& painter, int x, int y, int radius, const QColor& colour);

// A key sent to the window itself rather than through the shortcuts (the
// window not the active one, or the key with modifiers) triggers the command
// with that key all the same: the first of the commands with the key among
// its shortcuts. False when none has it.
bool triggercommandofkey(const QList<QAction*>& commands, const QKeyEvent& event);

// Shows a top-level window (deleted when it closes) and runs a message loop
// of its own until it is destroyed.
void runwindow(QWidget* window);

// The help box of a window, with the running platform's lines.
void showwindowhelp(QWidget* owner, const WindowHelp& help);

}  // namespace quendal
