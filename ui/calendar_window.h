// CalendarWindow: the month calendar with sunrise, sunset, moon phases and
// holidays for one place, the four-month overview, the holiday overview of a
// year and six months of moon phases, as lines of coloured text (the display
// list of reports/calendar_display.h). Six buttons and the keys move through
// months, years, places and views; F11 switches the language while the
// window is open.
#pragma once

#include <QList>
#include <QWidget>

#include "app/application_state.h"
#include "reports/calendar_display.h"

class QAction;
class QPushButton;

namespace quendal {

class CalendarWindow : public QWidget {
  Q_OBJECT

 public:
  explicit CalendarWindow(ApplicationState& state, QWidget* owner = nullptr);
  // Restores the language mode of the window's creation.
  ~CalendarWindow() override;

  int view() const { return view_; }
  int placeindex() const { return placeindex_; }
  int fonttoggle() const { return fonttoggle_; }
  // The display list of the last paint (what printing prints).
  const CalendarDisplay& display() const { return display_; }
  // The font of the lines: 0 the system's fixed-pitch font, 1 a smaller one.
  QFont linefont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void build();
  void relabel();
  void stepmonth(int step);
  void stepyear(int step);
  void setyear(int year);
  void stepplace(int step);
  void nextview();
  void togglefont();
  void togglelanguage();
  void help();
  void print();
  void resizetofit(int h);

  struct Button {
    QPushButton* button;
    const char* german;
    const char* english;
  };

  ApplicationState& state_;
  int view_ = monthcalendarview;
  int placeindex_ = 0;
  int fonttoggle_ = 0;
  bool resizeflag_ = true;
  LanguageMode savedlanguagemode_ = LanguageMode::automatic;
  CalendarDisplay display_;
  QList<Button> buttons_;
  QAction* print_ = nullptr;
  QAction* font_ = nullptr;
  QAction* help_ = nullptr;
  QAction* icalendar_ = nullptr;
};

}  // namespace quendal
