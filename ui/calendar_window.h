// CalendarWindow: the month calendar with sunrise, sunset, moon phases and
// holidays for one place, the four-month overview, the holiday overview of a
// year and six months of moon phases, as lines of coloured text (the display
// list of reports/calendar_display.h). Every command is a QAction with its
// keys; six buttons trigger the commands of months, years, the view and the
// help, the context menu offers printing, the font, the help and the
// iCalendar export. F11 switches the language while the window is open.
// The window shows the calendar position (ui/desktop_state.h) and refreshes
// when it changes; its commands move it.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "almanac/events.h"
#include "calendar/holidays.h"
#include "reports/calendar_display.h"
#include "ui/desktop_state.h"

class QAction;
class QKeySequence;
class QPushButton;

namespace quendal {

// The year's holiday and event tables the views share, and 1 when they must
// be rebuilt before a view draws (the commands that may change the shown
// year set it; rebuilding clears it).
struct CalendarTables {
  HolidayTable holidayTable{};
  EventTable eventTable{};
  int tablesStale = 1;
};

class CalendarWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalendarWindow(DesktopState& state, QWidget* owner = nullptr);
  // Restores the language mode of the window's creation.
  ~CalendarWindow() override;

  int view() const { return view_; }
  int placeindex() const { return placeindex_; }
  int fonttoggle() const { return fonttoggle_; }
  // The display list shown (what printing prints).
  const CalendarDisplay& display() const { return display_; }
  // The year's tables the display list was built from.
  CalendarTables& tables() { return tables_; }
  // The font of the lines: 0 the system's fixed-pitch font, 1 a smaller one.
  QFont linefont() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createcommands();
  void createbuttons();
  // A command with its keys, added to holder (the window: an entry of its
  // context menu) unless that is null.
  QAction* addcommand(QWidget* holder, const char* name, const QList<QKeySequence>& keys,
                      std::function<void()> command);
  void relabel();
  void refresh();
  void fittofont();
  int lineheight() const;

  void moveto(int year, int month);
  void stepmonth(int step);
  void stepyear(int step);
  void stepyearwithin(int step);
  void stepplace(int step);
  void nextview();
  void togglefont();
  void togglelanguage();
  void help();
  void print();

  struct Button {
    QPushButton* button;
    Bilingual label;
  };

  DesktopState& state_;
  int view_ = monthcalendarview;
  int placeindex_ = 0;
  int fonttoggle_ = 0;
  bool resizeflag_ = true;    // fit the window to the font at its next refresh while shown
  bool writingback_ = false;  // refresh() is writing the position as limited back
  LanguageMode savedlanguagemode_ = LanguageMode::automatic;
  CalendarTables tables_;
  CalendarDisplay display_;

  QList<QAction*> commands_;  // every command, with its keys
  // The buttons; the commands of the keys and buttons belong to it, so that
  // their shortcuts work while the window's context menu lists its own.
  QWidget* buttonrow_ = nullptr;
  QList<Button> buttons_;
  QAction* monthback_ = nullptr;
  QAction* monthon_ = nullptr;
  QAction* yearback_ = nullptr;
  QAction* yearon_ = nullptr;
  QAction* nextview_ = nullptr;
  QAction* print_ = nullptr;
  QAction* font_ = nullptr;
  QAction* help_ = nullptr;
  QAction* icalendar_ = nullptr;
};

}  // namespace quendal
