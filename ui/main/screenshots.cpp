// quendal-screenshots DIRECTORY: renders the main dialog, its print preview, every tool dialog,
// the calendar window's four views, the equation-of-time graph, the sky chart
// in two orientations, the two solar-system views and the position dialog in
// German and English into DIRECTORY/<name>-<de|en>.png; then under a dark
// colour theme the main dialog, the rises dialog and the calendar window
// into DIRECTORY/<name>-dark-<de|en>.png (make screenshots runs it on the
// offscreen platform with the clock fixed, the fonts of the project's own
// font configuration and an empty home directory).
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <utility>

#include "calendar/calendar.h"
#include "ui/calendar_window.h"
#include "ui/desktop_state.h"
#include "ui/equation_of_time_window.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/print/print_preview_dialog.h"
#include "ui/sky_chart_window.h"
#include "ui/tool_dialogs.h"

namespace {

// Time for pending timers to fire before a picture is taken (the planet
// dialog's delta T hand-shake, the graph windows' buttons coming back 350 ms
// after a resize or key), and for the calendar window's first paint.
constexpr int settlemilliseconds = 400;
constexpr int firstpaintmilliseconds = 50;

constexpr int englishuser = 1033;  // the user's language id
// The year and month page the tool dialogs and the calendar window show.
constexpr int shownyear = 2024;
constexpr int shownmonth = 3;

// The windows' sizes: the calendar window calendarwidth wide and
// calendarlines lines high (as it fits itself to its font).
constexpr int calendarwidth = 900;
constexpr int calendarlines = 41;
constexpr QSize eotwindowsize(1000, 700);
constexpr QSize skychartsize(1000, 800);

// 10 May 2024, 8:00 UT, at the first place (Sankt Pölten, 48.2° N,
// 15°37' E), 1015 mbar and 10 °C: the Sun, the Moon and all planets above
// the horizon, their labels apart.
constexpr int chartyear = 2024, chartmonth = 5, chartday = 10;
constexpr double charthour = 8.0;
constexpr double hoursperday = 24.0;
constexpr double chartlongitude = 15.0 + 37.0 / 60.0;
constexpr double chartlatitude = 48.2;
constexpr int chartdisplayword = 1015 | 210 << 12;

// A dark colour theme as a desktop's dark scheme gives it: light text on
// dark grey windows and near-black fields.
constexpr QRgb darkwindow = 0x353535;
constexpr QRgb darkbase = 0x2a2a2a;
constexpr QRgb darkhighlight = 0x2a82da;

QPalette darkpalette() {
  QPalette palette{QColor(darkwindow)};  // light text, the other roles derived from the window colour
  palette.setColor(QPalette::Base, QColor(darkbase));
  palette.setColor(QPalette::AlternateBase, QColor(darkwindow));
  palette.setColor(QPalette::Highlight, QColor(darkhighlight));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, QColor(darkhighlight));
  return palette;
}

void wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

bool save(QWidget& dialog, const QDir& directory, const char* name, const char* language) {
  dialog.show();
  wait(settlemilliseconds);
  const QString file =
      directory.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), QLatin1String(language)));
  const bool saved = dialog.grab().save(file);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(file));
  dialog.hide();
  return saved;
}

// The offscreen platform says for every window that it cannot pass size
// hints on; nothing else is kept from the screenshots' output.
void quietoffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void key(QWidget& window, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&window, &press);
}

// The program's state in a language, as the user's language is English.
void setlanguage(quendal::DesktopState& state, quendal::LanguageMode mode) {
  state.application.userlanguage = englishuser;
  state.application.languagemode = mode;
}

// The calendar window shown at the year and month page, at a fixed size.
void showcalendar(quendal::CalendarWindow& window) {
  window.show();
  wait(firstpaintmilliseconds);  // the first paint resizes the window to its lines
  window.resize(calendarwidth, calendarlines * QFontMetrics(window.linefont()).height());
}

// The windows at a fixed size, whatever the offscreen screen's.
bool savewindows(quendal::DesktopState& state, const QDir& directory, const char* language) {
  bool ok = true;
  {
    state.position.setPosition(shownyear, shownmonth);
    quendal::CalendarWindow window(state);
    static const char* const views[4] = {"calendar_month", "calendar_four_months", "calendar_holidays",
                                         "calendar_moon_phases"};
    showcalendar(window);
    for (const char* view : views) {
      ok = save(window, directory, view, language) && ok;
      window.show();
      key(window, Qt::Key_F12);
    }
  }
  {
    quendal::EquationOfTimeWindow window(state, shownyear);
    window.resize(eotwindowsize);
    ok = save(window, directory, "equation_of_time_graph", language) && ok;
  }
  state.chart.setState({quendal::datetojd(chartyear, chartmonth, chartday) + charthour / hoursperday, chartlongitude,
                        chartlatitude, chartdisplayword});
  {
    quendal::SkyChartWindow window(state);
    window.resize(skychartsize);
    ok = save(window, directory, "sky_chart_south", language) && ok;
    window.show();
    key(window, Qt::Key_F6);
    key(window, Qt::Key_F6);
    key(window, Qt::Key_F7);
    ok = save(window, directory, "sky_chart_north", language) && ok;
    window.show();
    key(window, Qt::Key_F12);
    ok = save(window, directory, "solar_system", language) && ok;
    window.show();
    key(window, Qt::Key_F12);
    ok = save(window, directory, "inner_solar_system", language) && ok;
    quendal::ToolDialog dialog(quendal::PositionDialog, state, &window);
    ok = save(dialog, directory, quendal::PositionDialog.name, language) && ok;
  }
  return ok;
}

// Under the dark theme: the dialogs follow it, the calendar window keeps its
// light canvas.
bool savedark(quendal::LanguageMode mode, const QDir& directory, const char* language) {
  quendal::DesktopState state;
  setlanguage(state, mode);
  bool ok = true;
  {
    quendal::MainDialog dialog(state);
    ok = save(dialog, directory, "main-dark", language) && ok;
  }
  state.position.setPosition(shownyear, shownmonth);
  {
    quendal::ToolDialog dialog(quendal::RisesDialog, state);
    ok = save(dialog, directory, "rises-dark", language) && ok;
  }
  state.position.setPosition(shownyear, shownmonth);
  quendal::CalendarWindow window(state);
  showcalendar(window);
  return save(window, directory, "calendar_month-dark", language) && ok;
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(quietoffscreen);
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: quendal-screenshots DIRECTORY\n");
    return 2;
  }
  const QDir directory(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(directory.path());
  bool ok = true;
  const std::pair<quendal::LanguageMode, const char*> languages[] = {{quendal::LanguageMode::german, "de"},
                                                                     {quendal::LanguageMode::english, "en"}};
  for (const auto& [mode, language] : languages) {
    quendal::DesktopState state;
    setlanguage(state, mode);
    {
      quendal::MainDialog dialog(state);
      ok = save(dialog, directory, "main", language) && ok;
      // The print preview of the main report just shown.
      quendal::PrintPreviewDialog preview(state.application, state.lastreport.reportBuffer(), state.fonts.font(),
                                          &dialog);
      ok = save(preview, directory, "print_preview", language) && ok;
    }
    for (const quendal::ToolDialogTable* table : quendal::tooldialogtables()) {
      state.position.setPosition(shownyear, shownmonth);
      quendal::ToolDialog dialog(*table, state);
      ok = save(dialog, directory, table->name, language) && ok;
    }
    ok = savewindows(state, directory, language) && ok;
  }
  QApplication::setPalette(darkpalette());
  for (const auto& [mode, language] : languages) ok = savedark(mode, directory, language) && ok;
  return ok ? 0 : 1;
}
