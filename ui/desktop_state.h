// The desktop program's state: what its dialogs, windows and the start-up
// loop keep between calls. main() creates one DesktopState; it holds the
// ApplicationState the reports need (app/application_state.h) and the
// program's own state as small models, each a QObject with typed properties
// that emits changed() when a value actually changes (writing the value a
// property already has emits nothing). Plain caches that nobody observes are
// plain members.
#pragma once

#include <QFont>
#include <QObject>
#include <QString>

#include "almanac/eot_year_cache.h"
#include "app/application_state.h"
#include "ui/platform/platform.h"

namespace quendal {

// The calendar position the main dialog, the calendar window, the large view
// and the month overview share: the current year and the report page (0 the
// whole year, 1..12 a month, further pages of the main report). The saved
// position is the one taken before the large view and the month overview
// open, restored when they close; the main dialog starts from it when its
// year is not 0.
class CalendarPosition : public QObject {
  Q_OBJECT
  Q_PROPERTY(int currentyear READ currentyear WRITE setCurrentyear NOTIFY changed)
  Q_PROPERTY(int reportpage READ reportpage WRITE setReportpage NOTIFY changed)
  Q_PROPERTY(int savedyear READ savedyear NOTIFY savedChanged)
  Q_PROPERTY(int savedmonth READ savedmonth NOTIFY savedChanged)

 public:
  using QObject::QObject;

  int currentyear() const { return currentyear_; }
  int reportpage() const { return reportpage_; }
  void setCurrentyear(int year);
  void setReportpage(int page);
  // Both at once, one changed() at most.
  void setPosition(int year, int page);

  int savedyear() const { return savedyear_; }
  int savedmonth() const { return savedmonth_; }
  void setSavedPosition(int year, int month);
  // The current position saved; the saved one made current again.
  void saveposition() { setSavedPosition(currentyear_, reportpage_); }
  void restoresavedposition() { setPosition(savedyear_, savedmonth_); }

 signals:
  void changed();       // the current year or the report page
  void savedChanged();  // the saved position

 private:
  int currentyear_ = 0;
  int reportpage_ = 0;
  int savedyear_ = 0;
  int savedmonth_ = 0;
};

// The fonts of the report fields and the print preview: fixedFontToggle
// picks one of the two fixed-pitch fonts (1 the program's own, 0 the
// system's), linuxFontToggle the user-interface font instead of either.
class ReportFonts : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool fixedFontToggle READ fixedFontToggle WRITE setFixedFontToggle NOTIFY changed)
  Q_PROPERTY(bool linuxFontToggle READ linuxFontToggle WRITE setLinuxFontToggle NOTIFY changed)

 public:
  using QObject::QObject;

  bool fixedFontToggle() const { return fixedFontToggle_; }
  bool linuxFontToggle() const { return linuxFontToggle_; }
  void setFixedFontToggle(bool toggle);
  void setLinuxFontToggle(bool toggle);

  // "Font <->" (main dialog, moon dialog): the other fixed-pitch font,
  // unless the Linux font is on.
  void togglefont();
  // "Linux Font" / "Normal Font" (main dialog): the Linux font on or off,
  // the program's own fixed-pitch font next.
  void togglelinuxfont();

  // The font of a report (proportional: the main report's pages in a
  // proportional font).
  QFont font(bool proportional = false) const {
    return reportfont(reportfontchoice(fixedFontToggle_, linuxFontToggle_, proportional));
  }

 signals:
  void changed();

 private:
  bool fixedFontToggle_ = true;
  bool linuxFontToggle_ = false;
};

// The text of the last report shown (reportBuffer): what the print preview
// starts from.
class LastReport : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString reportBuffer READ reportBuffer WRITE setReportBuffer NOTIFY changed)

 public:
  using QObject::QObject;

  const QString& reportBuffer() const { return reportBuffer_; }
  void setReportBuffer(const QString& text);

 signals:
  void changed();

 private:
  QString reportBuffer_;
};

// The sky chart's instant and place, written by the planet report and
// edited by the position dialog.
struct ChartState {
  double chartInstant = 0.0;    // JD (UT)
  double chartLongitude = 0.0;  // degrees, east positive
  double chartLatitude = 0.0;   // degrees, north positive
  // bits 0-11 pressure (mbar), 12-23 temperature + 200 (degrees Celsius),
  // 24 azimuth from north, 28 angles in degrees, minutes and seconds
  int chartDisplayWord = 0;
  // The position dialog's working copy: JD (UT) and degrees.
  double enteredInstant = 0.0;
  double enteredLongitude = 0.0;
  double enteredLatitude = 0.0;

  bool operator==(const ChartState&) const = default;
};

// The chart state as a model: the planet dialog writes it, the sky chart
// window draws and steps it, the position dialog edits it. changed() tells
// of the chart itself (instant, place, display word), enteredChanged() of
// the position dialog's working copy, which nothing draws.
class ChartModel : public QObject {
  Q_OBJECT
  Q_PROPERTY(double chartInstant READ chartInstant WRITE setChartInstant NOTIFY changed)
  Q_PROPERTY(double chartLongitude READ chartLongitude NOTIFY changed)
  Q_PROPERTY(double chartLatitude READ chartLatitude NOTIFY changed)
  Q_PROPERTY(int chartDisplayWord READ chartDisplayWord NOTIFY changed)
  Q_PROPERTY(double enteredInstant READ enteredInstant NOTIFY enteredChanged)
  Q_PROPERTY(double enteredLongitude READ enteredLongitude NOTIFY enteredChanged)
  Q_PROPERTY(double enteredLatitude READ enteredLatitude NOTIFY enteredChanged)

 public:
  using QObject::QObject;

  const ChartState& state() const { return state_; }
  double chartInstant() const { return state_.chartInstant; }
  double chartLongitude() const { return state_.chartLongitude; }
  double chartLatitude() const { return state_.chartLatitude; }
  int chartDisplayWord() const { return state_.chartDisplayWord; }
  double enteredInstant() const { return state_.enteredInstant; }
  double enteredLongitude() const { return state_.enteredLongitude; }
  double enteredLatitude() const { return state_.enteredLatitude; }

  // The whole state at once (the planet report: its instant, place and
  // display word, the working copy cleared).
  void setState(const ChartState& state);
  void setChartInstant(double jd);
  // The position dialog: its working copy, then its instant, its place or
  // both taken into the chart.
  void setEntered(double instant, double latitude, double longitude);
  void takeenteredinstant();
  void takeenteredplace();

 signals:
  void changed();         // the chart's instant, place or display word
  void enteredChanged();  // the working copy

 private:
  ChartState state_;
};

// What the tool dialogs share while the program runs: the location index
// ("Pos. -" / "Pos. +"; shared by a tool dialog and the sky chart's position
// dialog, reset when a tool dialog returns), whether a graph window is open
// (a tool dialog cannot close meanwhile, and no second one opens), and the
// day-difference dialog's "+ <--> -" direction.
class ToolSession : public QObject {
  Q_OBJECT
  Q_PROPERTY(int locationindex READ locationindex WRITE setLocationindex NOTIFY changed)
  Q_PROPERTY(bool graphWindowOpen READ graphWindowOpen WRITE setGraphWindowOpen NOTIFY changed)
  Q_PROPERTY(int differenceDirection READ differenceDirection WRITE setDifferenceDirection NOTIFY changed)

 public:
  using QObject::QObject;

  int locationindex() const { return locationindex_; }
  bool graphWindowOpen() const { return graphWindowOpen_; }
  int differenceDirection() const { return differenceDirection_; }  // 0 second minus first, 1 the reverse
  void setLocationindex(int index);
  void setGraphWindowOpen(bool open);
  void setDifferenceDirection(int direction);

 signals:
  void changed();

 private:
  int locationindex_ = 0;
  bool graphWindowOpen_ = false;
  int differenceDirection_ = 0;
};

// The whole of it; every dialog and window takes it by reference.
struct DesktopState {
  ApplicationState application;  // the language, the configuration, the start-up switches
  CalendarPosition position;
  ReportFonts fonts;
  LastReport lastreport;
  ChartModel chart;
  ToolSession session;
  // The turning points of the equation of time of recent years, kept for
  // the equation-of-time graph (EotYearEvents).
  YearEventCache yearEventCache;
};

}  // namespace quendal
