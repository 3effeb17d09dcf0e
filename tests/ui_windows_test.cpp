// The calendar window, the equation-of-time graph, the sky chart and the
// position dialog through their real widgets (offscreen, clock fixed by
// QUENDAL_NOW), the painted windows' canvas under a dark theme, and the
// windows opened by the start-up loop and by the tool dialogs with message
// loops of their own.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "calendar/calendar.h"
#include "reports/calendar_display.h"
#include "reports/eot_report.h"
#include "reports/window_help.h"
#include "ui/about_box.h"
#include "ui/calendar_window.h"
#include "ui/desktop_state.h"
#include "ui/equation_of_time_window.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"
#include "ui/sky_chart_window.h"
#include "ui/startup_loop.h"
#include "ui/tool_dialogs.h"

using namespace quendal;

namespace {

// English, at a calendar position.
struct EnglishState : DesktopState {
  explicit EnglishState(int year = 0, int page = 0) {
    application.userlanguage = 1033;
    application.languagemode = LanguageMode::english;
    position.setPosition(year, page);
  }
};

void key(QWidget& w, Qt::Key k, int times = 1) {
  for (int i = 0; i < times; ++i) QTest::keyClick(&w, k);
}

// Runs a script against the top-level widgets while a blocking call runs:
// every 20 ms the next step is tried; a step returns true when it acted.
class Script : public QObject {
 public:
  explicit Script(QList<std::function<bool()>> steps) : steps_(std::move(steps)) {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (done < steps_.size() && steps_[done]()) ++done;
    });
    timer_.start(20);
  }
  int done = 0;

 private:
  QList<std::function<bool()>> steps_;
  QTimer timer_;
};

// The keys pressed that reach a widget as key events.
class KeyPresses : public QObject {
 public:
  QList<int> keys;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) keys << static_cast<QKeyEvent*>(event)->key();
    return false;
  }
};

template <class T>
T* visible() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = qobject_cast<T*>(w); t && t->isVisible()) return t;
  return nullptr;
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;  // the working directory

 private slots:
  void initTestCase() {
    qputenv("QUENDAL_NOW", "2024-03-15T10:30");
    QVERIFY(QDir::setCurrent(directory_.path()));
  }
  void cleanup() { QFile::remove(QStringLiteral("QUENDAL6.INI")); }

  // Keys at the limits of the calendar window: from (year, month, view) to
  // (year, month); tables rebuilt only for another year; the display list
  // painted is the new page's. In view 2 the month buttons do nothing.
  void calendarKeys_data() {
    QTest::addColumn<QList<int>>("c");  // year, month, view, key, new year, new month
    QTest::newRow("right on December 9999") << QList<int>{9999, 12, 0, Qt::Key_Right, 1583, 1};
    QTest::newRow("left on January 1583") << QList<int>{1583, 1, 0, Qt::Key_Left, 9999, 12};
    QTest::newRow("down in 1583") << QList<int>{1583, 6, 0, Qt::Key_Down, 9999, 6};
    QTest::newRow("F4 in 1590") << QList<int>{1590, 6, 0, Qt::Key_F4, 1590, 6};
    QTest::newRow("F4 in 1595") << QList<int>{1595, 6, 0, Qt::Key_F4, 1585, 6};
    QTest::newRow("F5 in 9990") << QList<int>{9990, 6, 0, Qt::Key_F5, 9990, 6};
    QTest::newRow("F9 in 9898") << QList<int>{9898, 6, 0, Qt::Key_F9, 9898, 6};
    QTest::newRow("right in view 2") << QList<int>{2024, 12, 2, Qt::Key_Right, 2024, 12};
    QTest::newRow("up in view 2") << QList<int>{2024, 1, 2, Qt::Key_Up, 2025, 1};
  }
  void calendarKeys() {
    QFETCH(QList<int>, c);
    EnglishState s(c[0], c[1]);
    CalendarWindow window(s);
    ::key(window, Qt::Key_F12, c[2]);
    QCOMPARE(window.view(), c[2]);
    window.tables().tablesStale = 0;
    window.tables().holidayTable = {};  // filled again only if the tables are rebuilt
    ::key(window, Qt::Key(c[3]));
    QCOMPARE((QList<int>{s.position.currentyear(), s.position.reportpage()}), (QList<int>{c[4], c[5]}));
    if (c[2] == 2) {
      for (const char* button : {"monthback", "monthon"}) window.findChild<QAbstractButton*>(button)->click();
      QCOMPARE(s.position.reportpage(), c[5]);
    }
    window.resize(900, 600);
    window.grab();
    QCOMPARE(window.tables().holidayTable[0].year != 0, c[4] != c[0]);
    QCOMPARE(window.display().year, c[4]);
    QCOMPARE(window.windowTitle(), QString::fromStdString(window.display().caption));
  }

  // Painting only paints: a key changes the state, the display list and the
  // caption at once; the first show sets the caption and fits the window to
  // its font; painting, shown or not, changes neither the state nor the
  // caption nor the size.
  void calendarPaintingOnlyPaints() {
    EnglishState s(2024, 3);
    CalendarWindow window(s);
    QCOMPARE(window.windowTitle(), QStringLiteral(" March 2024 "));
    key(window, Qt::Key_Right);
    QCOMPARE((QList<int>{s.position.currentyear(), s.position.reportpage(), window.display().month}),
             (QList<int>{2024, 4, 4}));
    QCOMPARE(window.windowTitle(), QStringLiteral(" April 2024 "));

    // Behind the window's back (it would refresh when told of a change):
    // out of range, as the window would never leave it.
    QSignalBlocker unobserved(s.position);
    s.position.setPosition(1000, 13);
    window.setWindowTitle(QStringLiteral("Calendar"));
    window.resize(900, 600);
    const QImage picture = window.grab().toImage();
    QImage again(picture.size(), picture.format());
    window.render(&again);
    QCOMPARE(again, picture);
    QCOMPARE(
        (QList<int>{s.position.currentyear(), s.position.reportpage(), window.display().year, window.display().month}),
        (QList<int>{1000, 13, 2024, 4}));
    QCOMPARE(window.windowTitle(), QStringLiteral("Calendar"));
    QCOMPARE(window.size(), QSize(900, 600));

    // As the start-up loop opens it: its own caption and geometry until shown.
    s.position.setPosition(2024, 4);
    unobserved.unblock();
    window.setGeometry(10, 10, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral(" April 2024 "));
    const int lines = 41 * QFontMetrics(window.linefont()).height();
    QCOMPARE(window.height(), std::max(100, std::min(lines, window.screen()->geometry().height())));
    window.setWindowTitle(QStringLiteral("Calendar"));
    window.resize(900, 600);
    window.repaint();
    QCOMPARE(window.windowTitle(), QStringLiteral("Calendar"));
    QCOMPARE(window.size(), QSize(900, 600));
  }

  // Under a dark colour theme the painted windows keep the light canvas
  // their colours are chosen for: the bottom right corner, where none of
  // them draws.
  void paintedWindowsKeepTheirCanvas() {
    EnglishState s(2024, 3);
    s.chart.setState({datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12});
    CalendarWindow calendar(s);
    EquationOfTimeWindow graph(s, 2024);
    SkyChartWindow sky(s);
    const QPalette dark(QColor(0x35, 0x35, 0x35));
    for (QWidget* w : {static_cast<QWidget*>(&calendar), static_cast<QWidget*>(&graph), static_cast<QWidget*>(&sky)}) {
      w->setPalette(dark);
      w->resize(900, 600);
      const QImage picture = w->grab().toImage();
      QCOMPARE(picture.pixelColor(899, 599), QColor(canvasrgb.red, canvasrgb.green, canvasrgb.blue));
    }
  }

  // The compass names at the ends of the horizon line stand above it: the
  // rows of the (smoothed) line and the one over it are bare canvas beneath
  // them, the rows above hold ink.
  void skyChartCompassAboveHorizon() {
    EnglishState s;
    s.chart.setState({datetojd(2024, 5, 10), 15.6, 48.2, 1015 | 210 << 12});
    SkyChartWindow sky(s);
    sky.resize(900, 600);
    const QImage picture = sky.grab().toImage();
    const QColor canvas(canvasrgb.red, canvasrgb.green, canvasrgb.blue);
    const int horizon = 300, side = 600;  // the chart's square: the window's height
    const QFontMetrics metrics(sky.font());
    const int width = metrics.horizontalAdvance(QStringLiteral("West")) + 10;
    int ink = 0;
    for (int x = 0; x < width; ++x) {
      for (const int column : {x, side - 1 - x}) {
        QCOMPARE(picture.pixelColor(column, horizon - 2), canvas);
        for (int y = horizon - metrics.height(); y < horizon - 2; ++y) ink += picture.pixelColor(column, y) != canvas;
      }
    }
    QVERIFY(ink > 0);
  }

  // Every command is an action with its keys: the buttons trigger theirs,
  // the context menu lists the window commands with their keys beside the
  // texts. In the active window the keys are the actions' shortcuts; with a
  // modifier the window's key handling reaches the same command.
  void calendarCommands() {
    EnglishState s(2024, 3);
    CalendarWindow window(s);
    const QList<std::pair<Qt::Key, QString>> keys = {
        {Qt::Key_Left, "monthback"}, {Qt::Key_Right, "monthon"}, {Qt::Key_Down, "yearback"},  {Qt::Key_Up, "yearon"},
        {Qt::Key_F4, "decadeback"},  {Qt::Key_F5, "decadeon"},   {Qt::Key_F8, "centuryback"}, {Qt::Key_F9, "centuryon"},
        {Qt::Key_F6, "placeback"},   {Qt::Key_F7, "placeon"},    {Qt::Key_F12, "view"},       {Qt::Key_F2, "font"},
        {Qt::Key_Plus, "font"},      {Qt::Key_F11, "language"},  {Qt::Key_Minus, "language"}, {Qt::Key_F1, "help"},
        {Qt::Key_F3, "print"},       {Qt::Key_Escape, "close"}};
    for (const auto& [k, name] : keys) {
      QStringList commands;
      for (const QAction* action : window.findChildren<QAction*>())
        if (action->shortcuts().contains(QKeySequence(k))) commands << action->objectName();
      QCOMPARE(commands, QStringList{name});
    }

    QStringList menu;
    for (const QAction* action : window.actions())
      menu << action->text() + QLatin1Char('|') + action->shortcut().toString();
    QCOMPARE(menu, (QStringList{"Print...|F3", "Change Font <->|F2", "Help...|F1", "Export iCalendar...|"}));

    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 6);
    for (QAbstractButton* button : buttons) {
      auto* action = window.findChild<QAction*>(button->objectName());
      QVERIFY2(action, qPrintable(button->objectName()));
      QSignalSpy triggered(action, &QAction::triggered);
      Script closehelp({[] {
        auto* box = visible<QMessageBox>();
        if (box) box->accept();
        return box != nullptr;
      }});
      button->click();
      QCOMPARE(triggered.count(), 1);
    }

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    KeyPresses presses;
    window.installEventFilter(&presses);
    const int year = s.position.currentyear();
    QTest::keyClick(&window, Qt::Key_F4);
    QCOMPARE(s.position.currentyear(), year - 10);
    QCOMPARE(presses.keys, QList<int>{});
    QTest::keyClick(&window, Qt::Key_F4, Qt::ShiftModifier);
    QCOMPARE(s.position.currentyear(), year - 20);
    QCOMPARE(presses.keys, (QList<int>{Qt::Key_Shift, Qt::Key_F4}));
  }

  // F11 in English shows German labels; closing the window restores English.
  void calendarLanguageLastsWhileOpen() {
    EnglishState s(2024, 3);
    {
      CalendarWindow window(s);
      QCOMPARE(window.findChild<QAbstractButton*>("monthon")->text(), QStringLiteral("Month +"));
      key(window, Qt::Key_F11);
      QCOMPARE(s.application.language(), german);
      QCOMPARE(window.findChild<QAbstractButton*>("monthon")->text(), QStringLiteral("Monat +"));
      window.grab();
      QCOMPARE(window.windowTitle(), QStringLiteral(" März 2024 "));
    }
    QCOMPARE(s.application.languagemode, LanguageMode::english);
    QCOMPARE(s.application.language(), english);
  }

  // F6 and F7 step through the configured places, in view 0 only.
  void calendarPlaces() {
    QFile ini(QStringLiteral("QUENDAL6.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("51 N 28   000W 00 Greenwich\r\n52 N 31   013E 24 Berlin\r\n");
    ini.close();
    EnglishState s(2024, 3);
    CalendarWindow window(s);
    QList<int> places;
    for (Qt::Key k : {Qt::Key_F7, Qt::Key_F7, Qt::Key_F6, Qt::Key_F12, Qt::Key_F7}) {
      key(window, k);
      places << window.placeindex();
    }
    QCOMPARE(places, (QList<int>{1, 0, 1, 1, 1}));
  }

  // A client area of 400 x 200 becomes 550 x 280 before anything is drawn.
  // Right and Left wrap over 1000..4000, F8 and F9 step a century within it;
  // the buttons come back 350 ms after the last key, F2 hides them.
  void eotWindow() {
    EnglishState s;
    {
      EquationOfTimeWindow window(s, 4000);
      QVERIFY(s.session.graphWindowOpen());
      window.show();
      window.resize(400, 200);
      window.update();
      QTRY_COMPARE(window.size(), QSize(550, 280));
      window.resize(800, 500);
      QTRY_VERIFY(window.buttonspresent());
      key(window, Qt::Key_Right);
      QCOMPARE(window.year(), 1000);
      QVERIFY(!window.buttonspresent());
      QTRY_VERIFY_WITH_TIMEOUT(window.buttonspresent(), 2000);
      QCOMPARE(window.windowTitle(), QStringLiteral("Equation of Time 1000"));
      QList<int> years;
      for (Qt::Key k : {Qt::Key_Left, Qt::Key_F9, Qt::Key_F8, Qt::Key_F9}) {
        key(window, k);
        years << window.year();
      }
      QCOMPARE(years, (QList<int>{4000, 4000, 3900, 3900}));
      key(window, Qt::Key_F2);
      QVERIFY(!window.buttonswanted());
      QVERIFY(!window.findChild<QAbstractButton*>("button3")->isVisible());
      QVERIFY(!window.image().isNull());
    }
    QVERIFY(!s.session.graphWindowOpen());
  }

  // South of the equator the chart opens with north at the top; the zoom
  // stops at 4.0; the solar-system views have no orientation buttons and
  // ignore F6 and F7.
  void skyChart() {
    EnglishState s;
    s.chart.setState({datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12});
    SkyChartWindow window(s);
    QCOMPARE(window.orientation(), 2);
    key(window, Qt::Key_Up, 40);
    QVERIFY(qAbs(window.zoom() - 4.0) < 1e-9);
    key(window, Qt::Key_Right);
    QCOMPARE(s.chart.chartInstant(), datetojd(2024, 5, 10) + 1 / 24.0);
    QVERIFY(window.findChild<QAbstractButton*>("button7"));
    for (Qt::Key k : {Qt::Key_F12, Qt::Key_F6, Qt::Key_F7, Qt::Key_Right}) key(window, k);
    QCOMPARE((QList<int>{window.view(), window.orientation(), window.fullcircle()}), (QList<int>{1, 2, 0}));
    QVERIFY(!window.findChild<QAbstractButton*>("button7") && !window.findChild<QAbstractButton*>("button8"));
    QCOMPARE(s.chart.chartInstant(), datetojd(2024, 5, 10) + 1 / 24.0 + 7);
  }

  // The graph windows' commands are actions with their keys, one command
  // per key; the context menu lists the help and printing with their keys,
  // the sky chart printing first. A button triggers its command and leaves
  // the buttons where they are; the key of the same command hides them a
  // while.
  void graphCommands() {
    EnglishState s;
    s.chart.setState({datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12});
    SkyChartWindow sky(s);
    EquationOfTimeWindow window(s, 2024);
    const std::pair<const QWidget*, QStringList> menus[] = {{&sky, {"Print...|F3", "Help...|F1"}},
                                                            {&window, {"Help...|F1", "Print...|F3"}}};
    for (const auto& [w, expected] : menus) {
      QStringList menu;
      for (const QAction* action : w->actions())
        menu << action->text() + QLatin1Char('|') + action->shortcut().toString();
      QCOMPARE(menu, expected);
      QList<QKeySequence> keys;
      for (const QAction* action : w->findChildren<QAction*>()) keys << action->shortcuts();
      QCOMPARE(QSet<QKeySequence>(keys.begin(), keys.end()).size(), keys.size());
    }
    window.show();
    QTRY_VERIFY(window.buttonspresent());
    window.findChild<QAbstractButton*>("button3")->click();
    QCOMPARE(window.year(), 2023);
    QVERIFY(window.buttonspresent());
    key(window, Qt::Key_Left);
    QCOMPARE(window.year(), 2022);
    QVERIFY(!window.buttonspresent());
  }

  // "Datum" takes only the instant, "Ort" only the place, "Abbruch" nothing;
  // 31 February 2009 becomes 28 February.
  void positionDialogEndings() {
    EnglishState s;
    const ChartState start{datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12};
    s.chart.setState(start);
    const double instant = datetojd(2009, 2, 28) + 0.25;
    {
      ToolDialog dialog(PositionDialog, s);
      QCOMPARE((QList<int>{dialog.number("year"), dialog.number("zone"), dialog.number("latitude")}),
               (QList<int>{2024, 0, 48}));
      for (const auto& [field, value] :
           {std::pair{"year", 2009}, {"month", 2}, {"day", 31}, {"hour", 6}, {"minute", 0}})
        dialog.setnumber(field, value);
      dialog.findChild<QAbstractButton*>("date")->click();
      QCOMPARE(dialog.number("day"), 28);
    }
    QCOMPARE(s.chart.chartInstant(), instant);
    QCOMPARE(s.chart.chartLatitude(), start.chartLatitude);
    QCOMPARE(s.chart.chartLongitude(), start.chartLongitude);
    ToolDialog(PositionDialog, s).findChild<QAbstractButton*>("place")->click();
    QCOMPARE(s.chart.chartLatitude(), 48.2);
    QCOMPARE(s.chart.chartInstant(), instant);
    {
      ToolDialog dialog(PositionDialog, s);
      dialog.setnumber("year", 2010);
      dialog.findChild<QAbstractButton*>("cancel")->click();
    }
    QCOMPARE(s.chart.chartInstant(), instant);
  }

  // The position dialog's degrees say which row is the latitude and which
  // the longitude, on the screen and to a screen reader.
  void positionDialogRows() {
    EnglishState s;
    ToolDialog dialog(PositionDialog, s);
    QStringList rows;
    for (const char* key : {"latitude", "longitude"}) {
      const auto* field = dialog.findChild<QWidget*>(QLatin1String(key));
      QVERIFY(field);
      for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() == field) rows << label->text() + QLatin1Char('|') + field->accessibleName();
    }
    QCOMPARE(rows, (QStringList{"Latitude Deg.:|Latitude Degrees", "Longitude Deg.:|Longitude Degrees"}));
  }

  // "Grafik" opens the graph with a message loop of its own; the dialog's
  // year follows the window's, and the flag is cleared when it closes.
  void graphFromDialog() {
    EnglishState s;
    ToolDialog dialog(EquationOfTimeDialog, s);
    dialog.setModal(true);  // as the main dialog runs it
    dialog.show();
    bool open = false;
    Script script({[&] {
      auto* window = visible<EquationOfTimeWindow>();
      if (!window) return false;
      open = s.session.graphWindowOpen();
      // Through the window system, where the dialog's modality would block a
      // window that does not belong to it.
      QTest::keyClick(window->windowHandle(), Qt::Key_Right);
      window->close();
      return true;
    }});
    dialog.findChild<QAbstractButton*>("graph")->click();
    QCOMPARE(script.done, 1);
    QVERIFY(open);
    QVERIFY(!s.session.graphWindowOpen());
    QCOMPARE(dialog.number("year"), 2025);
  }

  // "Kalender..." closes the main dialog and opens the calendar window;
  // closing it brings the main dialog back. With CAL on the command line
  // (mode 2): the calendar window only.
  void startupLoop() {
    EnglishState s;
    AppMode mode = AppMode::equationoftimeonly;
    bool dialogseen = false;
    const auto closecalendar = [&] {
      auto* window = visible<CalendarWindow>();
      if (window) mode = s.application.appMode, window->close();
      return window != nullptr;
    };
    {
      Script script({[] {
                       auto* dialog = visible<MainDialog>();
                       if (dialog) dialog->findChild<QAbstractButton*>("calendar")->click();
                       return dialog != nullptr;
                     },
                     closecalendar,
                     [] {
                       auto* dialog = visible<MainDialog>();
                       if (dialog) dialog->reject();
                       return dialog != nullptr;
                     }});
      QCOMPARE(runstartuploop(s), 0);
      QCOMPARE(script.done, 3);
    }
    QCOMPARE(mode, AppMode::calendarfrommain);
    QCOMPARE(s.application.appMode, AppMode::maindialog);
    s.application.appMode = AppMode::calendaronly;
    Script script({[&] {
      dialogseen = dialogseen || visible<MainDialog>();
      return closecalendar();
    }});
    QCOMPARE(runstartuploop(s), 0);
    QCOMPARE(script.done, 1);
    QVERIFY(!dialogseen);
  }

  // F11 switches Qt's own texts (a standard Cancel button) with the language
  // while the calendar window or a graph window is open; closing the window
  // brings back those of the language before.
  void windowsSwitchQtTexts() {
    const QString german = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFile::exists(german))
      QSKIP(qPrintable(german + QStringLiteral(" is missing: Qt's translations (Debian: qt6-translations-l10n) "
                                               "are not installed")));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const auto cancel = [&] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);  // what the event loop does next
      return box.button(QDialogButtonBox::Cancel)->text();
    };
    EnglishState s(2024, 3);
    s.chart.setState({datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12});
    const std::function<std::unique_ptr<QWidget>()> windows[] = {
        [&] { return std::make_unique<CalendarWindow>(s); },
        [&] { return std::make_unique<EquationOfTimeWindow>(s, 2024); },
        [&] { return std::make_unique<SkyChartWindow>(s); }};
    for (const auto& make : windows) {
      QVERIFY(useqttranslation(english));
      std::unique_ptr<QWidget> window = make();
      QStringList shown{cancel()};
      for (int i = 0; i < 3; ++i) {
        key(*window, Qt::Key_F11);
        shown << cancel();
      }
      window.reset();
      shown << cancel();
      QCOMPARE(shown, (QStringList{"Cancel", "Abbrechen", "Cancel", "Abbrechen", "Cancel"}));
    }
  }

  // The calendar window's lines to a screen reader: the window's text holds
  // one line per line of the display list, in its order; each character is
  // where the window paints it. Another view or month is new text, read
  // from its beginning; a change of font only moves the characters.
  void calendarLinesAreAccessible() {
    EnglishState s(2024, 3);
    CalendarWindow window(s);
    window.show();
    window.resize(900, 41 * QFontMetrics(window.linefont()).height());
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    QAccessibleTextInterface* text = accessible ? accessible->textInterface() : nullptr;
    QVERIFY(text);
    const auto lines = [&] {
      QStringList l;
      for (const DisplayLine& line : window.display().lines) l << QString::fromStdString(line.text);
      return l;
    };
    const auto alltext = [&] { return text->text(0, text->characterCount()); };
    QCOMPARE(alltext().split(QLatin1Char('\n')), lines());
    QVERIFY(alltext().contains(QStringLiteral("March")));

    // The characters of the first body line with text: each one's place
    // leads back to it; the place of a letter holds ink, that of a blank
    // the canvas (the blank before the letter).
    const QImage picture = window.grab().toImage();
    const int h = QFontMetrics(window.linefont().resolve(window.font()), &window).height();
    int offset = 0;
    const DisplayLine* body = nullptr;
    for (const DisplayLine& line : window.display().lines) {
      if (line.place == DisplayLine::body && QString::fromStdString(line.text).trimmed().size() > 3) {
        body = &line;
        break;
      }
      offset += QString::fromStdString(line.text).size() + 1;
    }
    QVERIFY(body);
    const QString bodytext = QString::fromStdString(body->text);
    const auto place = [&](int column) {
      const QRect r = text->characterRect(offset + column);
      return QRect(window.mapFromGlobal(r.topLeft()), r.size());
    };
    const auto inked = [&](const QRect& r, const QColor& canvas) {
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          if (picture.pixelColor(x, y) != canvas) return true;
      return false;
    };
    int letter = 1;
    while (letter < bodytext.size() &&
           !(bodytext[letter].isLetterOrNumber() && bodytext[letter - 1] == QLatin1Char(' ')))
      ++letter;
    QVERIFY(letter < bodytext.size());
    const QRect blank = place(letter - 1).adjusted(1, 0, -1, 0);  // a glyph's edge may reach beyond its cell
    QCOMPARE(place(0).top(), displaylinetop(*body, h));
    QCOMPARE(place(0).height(), h);
    QVERIFY(place(letter).left() >= place(letter - 1).right());
    QVERIFY(!inked(blank, picture.pixelColor(blank.center())));
    QVERIFY(inked(place(letter), picture.pixelColor(blank.center())));
    for (int column = 0; column < bodytext.size(); ++column)
      QCOMPARE(text->offsetAtPoint(text->characterRect(offset + column).center()), offset + column);

    // The caret where a screen reader left it, then each key.
    const QString march = alltext();
    QStringList texts;
    QList<int> carets;
    for (Qt::Key k : {Qt::Key_F2, Qt::Key_F12, Qt::Key_Right, Qt::Key_F11}) {
      text->setCursorPosition(offset + letter);
      key(window, k);
      texts << alltext();
      carets << text->cursorPosition();
      QCOMPARE(alltext().split(QLatin1Char('\n')), lines());
    }
    QCOMPARE(carets, (QList<int>{offset + letter, 0, 0, 0}));  // the smaller font (F2): the same text
    QCOMPARE(texts[0], march);
    QVERIFY(texts[1].contains(QStringLiteral("March")) && texts[1] != march);
    QVERIFY(texts[2].contains(QStringLiteral("April")) && !texts[2].contains(QStringLiteral("March")));
    QVERIFY(texts[3].contains(QStringLiteral("April")) && texts[3] != texts[2]);  // F11: German
  }

  // The equation-of-time window's help box says what its keys do: every
  // key line names a key of the window, and a line that steps the years
  // says the step that key takes.
  void eotHelpSaysWhatTheKeysDo() {
    static const QRegularExpression step(QStringLiteral("^(\\d+) (?:Jahre?|Years?) +(zurück|weiter|minus|plus)$"));
    const QMap<QString, Qt::Key> arrows{{"Cursor left", Qt::Key_Left},
                                        {"Cursor right", Qt::Key_Right},
                                        {"Cursor down", Qt::Key_Down},
                                        {"Cursor up", Qt::Key_Up}};
    for (const Language language : {german, Language::english}) {
      EnglishState s;
      EquationOfTimeWindow window(s, 2000);
      QList<QKeySequence> windowkeys;
      for (const QAction* action : window.findChildren<QAction*>()) windowkeys << action->shortcuts();
      int steps = 0;
      const QString help = QString::fromStdString(eotwindowhelp(true, aboutplatform(), language).text);
      for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (!line.contains(QLatin1Char('\t'))) continue;
        const QString name = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        const Qt::Key k = name.startsWith(QLatin1Char('F')) ? Qt::Key(Qt::Key_F1 + name.mid(1).toInt() - 1)
                                                            : arrows.value(name, Qt::Key_unknown);
        QVERIFY2(windowkeys.contains(QKeySequence(k)), qPrintable(line));
        const QRegularExpressionMatch m = step.match(line.section(QLatin1Char('\t'), 1).trimmed());
        if (!m.hasMatch()) continue;
        const bool back = m.captured(2) == QStringLiteral("zurück") || m.captured(2) == QStringLiteral("minus");
        const int before = window.year();
        key(window, k);
        QVERIFY2(window.year() - before == (back ? -1 : 1) * m.captured(1).toInt(), qPrintable(line));
        ++steps;
      }
      QCOMPARE(steps, 6);  // up, down, F4, F5, F8, F9
    }
  }

  // With a half-typed year the position dialog still takes the place, the
  // zone and the time as entered, the date in the year of its last
  // calculation; the field keeps what was typed, the report waits for it.
  void positionDialogWithHalfTypedYear() {
    const ChartState start{datetojd(2024, 5, 10), -70.0, -33.5, 1015 | 210 << 12};
    const struct {
      const char* button;
      double instant;  // of the chart afterwards
    } endings[] = {{"place", start.chartInstant}, {"ok", start.chartInstant + 0.25}};
    for (const auto& ending : endings) {
      EnglishState s;
      s.chart.setState(start);
      ToolDialog dialog(PositionDialog, s);
      dialog.show();
      auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
      year->setText(QString());
      QTest::keyClicks(year, QStringLiteral("20"));
      dialog.setnumber("hour", 6);
      dialog.findChild<QAbstractButton*>(QStringLiteral("northsecond"))->click();  // "South"
      QCOMPARE(year->text(), QStringLiteral("20"));
      QVERIFY(!dialog.reportfield()->isVisible());
      dialog.findChild<QAbstractButton*>(QLatin1String(ending.button))->click();
      QCOMPARE(s.chart.chartLatitude(), -48.2);
      QCOMPARE(s.chart.chartInstant(), ending.instant);
    }
  }

  // When the graph closes, the equation-of-time dialog's year is the last
  // one the window showed, and the report is that year's.
  void eotDialogAgreesAfterGraph() {
    EnglishState s;
    ToolDialog dialog(EquationOfTimeDialog, s);
    dialog.setModal(true);
    dialog.show();
    Script script({[&] {
      auto* window = visible<EquationOfTimeWindow>();
      if (!window) return false;
      for (int i = 0; i < 10; ++i) QTest::keyClick(window->windowHandle(), Qt::Key_F8);  // 100 years back
      window->close();
      return true;
    }});
    dialog.findChild<QAbstractButton*>(QStringLiteral("graph"))->click();
    QCOMPARE(script.done, 1);
    QCOMPARE(dialog.number("year"), 1024);
    const std::string report = buildequationoftimereport({1024, 3, 15, 12, 0, 12, eotlist}, Language::english).text;
    QCOMPARE(dialog.reportfield()->toPlainText(), QString::fromStdString(report).remove(QLatin1Char('\r')));
    QVERIFY(dialog.reportfield()->isVisible());
  }
};

QTEST_MAIN(WindowsTest)
#include "ui_windows_test.moc"
