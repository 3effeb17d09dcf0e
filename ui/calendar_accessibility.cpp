// The calendar window's lines to screen readers; see calendar_accessibility.h.
#include "ui/calendar_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "reports/calendar_display.h"
#include "ui/calendar_window.h"

namespace quendal {

namespace {

// The window's accessible interface: the window as Qt exposes any widget
// (its caption as the name, its buttons as children), and its lines as a
// read-only multi-line text. Offsets count the characters of the lines
// joined by line ends.
class CalendarAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit CalendarAccessible(CalendarWindow* window) : QAccessibleWidget(window), announced_(wholetext()) {}

  using QAccessibleWidget::text;

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }

  // The lines changed: the new text replaces the old, and reading starts
  // again at its beginning.
  void announce() {
    const QString now = wholetext();
    if (now == announced_) return;
    cursor_ = 0;
    QAccessibleTextUpdateEvent event(widget(), 0, announced_, now);
    announced_ = now;
    QAccessible::updateAccessibility(&event);
  }

  // ---- QAccessibleTextInterface: no selection, a caret of its own.

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return cursor_; }
  void setCursorPosition(int position) override { cursor_ = std::clamp(position, 0, characterCount()); }

  QString text(int startOffset, int endOffset) const override {
    const QString all = wholetext();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(wholetext().size()); }

  // Where the window paints the character (a line's end: the place after
  // its last character), in screen coordinates.
  QRect characterRect(int offset) const override {
    if (offset < 0) return {};
    const QFontMetrics metrics = linemetrics();
    int start = 0;
    for (const DisplayLine& line : calendar()->display().lines) {
      const QString s = QString::fromStdString(line.text);
      if (offset <= start + s.size()) {
        const int column = offset - start;
        const QChar c = column < s.size() ? s.at(column) : QLatin1Char(' ');
        const QPoint topleft(metrics.horizontalAdvance(s.left(column)), displaylinetop(line, metrics.height()));
        return {calendar()->mapToGlobal(topleft), QSize(metrics.horizontalAdvance(c), metrics.height())};
      }
      start += static_cast<int>(s.size()) + 1;
    }
    return {};
  }

  // The character painted at a point on the screen, or -1.
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint p = calendar()->mapFromGlobal(point);
    const QFontMetrics metrics = linemetrics();
    int start = 0;
    for (const DisplayLine& line : calendar()->display().lines) {
      const QString s = QString::fromStdString(line.text);
      const int top = displaylinetop(line, metrics.height());
      if (p.x() >= 0 && p.y() >= top && p.y() < top + metrics.height()) {
        for (int column = 0; column < s.size(); ++column)
          if (p.x() < metrics.horizontalAdvance(s.left(column + 1))) return start + column;
        return -1;
      }
      start += static_cast<int>(s.size()) + 1;
    }
    return -1;
  }

  void scrollToSubstring(int, int) override {}

  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

 private:
  const CalendarWindow* calendar() const { return static_cast<const CalendarWindow*>(widget()); }

  QString wholetext() const {
    QStringList lines;
    for (const DisplayLine& line : calendar()->display().lines) lines.append(QString::fromStdString(line.text));
    return lines.join(QLatin1Char('\n'));
  }

  // The line font as the window's painter has it.
  QFontMetrics linemetrics() const {
    return QFontMetrics(calendar()->linefont().resolve(calendar()->font()), calendar());
  }

  QString announced_;  // the text assistive technology was last told of
  int cursor_ = 0;
};

QAccessibleInterface* calendaraccessible(const QString& classname, QObject* object) {
  if (classname != QLatin1String(CalendarWindow::staticMetaObject.className())) return nullptr;
  auto* window = qobject_cast<CalendarWindow*>(object);
  return window ? new CalendarAccessible(window) : nullptr;
}

}  // namespace

void calendarlineschanged(CalendarWindow& window) {
  [[maybe_unused]] static const bool installed = [] {
    QAccessible::installFactory(calendaraccessible);
    return true;
  }();
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
  // An interface made while the window was still being built as a plain
  // QWidget (an event of its construction with a screen reader running)
  // knows nothing of the lines: replaced by the window's own.
  if (accessible && !dynamic_cast<CalendarAccessible*>(accessible)) {
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
    accessible = QAccessible::queryAccessibleInterface(&window);
  }
  if (auto* calendar = dynamic_cast<CalendarAccessible*>(accessible)) calendar->announce();
}

}  // namespace quendal
