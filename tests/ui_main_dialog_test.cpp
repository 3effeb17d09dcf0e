// The main dialog through its real widgets (offscreen, clock fixed by
// QUENDAL_NOW): the typing debounce, the input messages, the today button,
// the language switch, the saved year and month, the iCalendar export.
#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "reports/icalendar.h"
#include "reports/main_report.h"
#include "ui/calendar_window.h"
#include "ui/desktop_state.h"
#include "ui/icalendar_export.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"

using namespace quendal;

class MainDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;  // the working directory: no configuration file

  // English user, the language mode given.
  struct State : DesktopState {
    explicit State(LanguageMode languagemode) {
      application.userlanguage = 1033;
      application.languagemode = languagemode;
    }
  };
  static QString reporttext(int year, int page, Language language) {
    const MainReportInputs in{.year = year, .page = page, .todayyear = 2024, .todaymonth = 3, .todayday = 15};
    return QString::fromStdString(buildmainreport(in, language).text).remove(QLatin1Char('\r'));
  }
  static QStringList lines(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n")) : QStringList{};
  }
  static NumberField* field(QDialog& d, const char* name) {
    return d.findChild<NumberField*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() {
    qputenv("QUENDAL_NOW", "2024-03-15T10:30");
    QVERIFY(QDir::setCurrent(directory_.path()));
  }

  // "2" and "20" are too short to be read; "200" gives the Julian report of
  // the year 200 once typing pauses; "2009" then one more report. In between
  // the report field is hidden.
  void typingIsDebounced() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    dialog.show();
    field(dialog, "year")->setText(QString());
    QSignalSpy reports(&dialog, &MainDialog::reportUpdated);
    for (const auto& [key, count] : {std::pair{"2", 0}, {"0", 0}, {"0", 1}, {"9", 2}}) {
      const int before = reports.count();
      QTest::keyClicks(field(dialog, "year"), QString::fromLatin1(key));
      QVERIFY(!dialog.reportfield()->isVisible());
      if (count > before)
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), count, 1000);
      else
        QTest::qWait(120);
      QCOMPARE(reports.count(), count);
    }
    QVERIFY(dialog.reportfield()->isVisible());
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2009, 0, german));
  }

  // One debounce timer, single-shot, 50 ms; every key restarts it.
  void debounceTimerRestartsAtEveryKey() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    dialog.show();
    QList<QTimer*> timers;
    for (QTimer* t : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
      if (t->isSingleShot()) timers << t;
    QCOMPARE(timers.size(), 1);
    QTimer* timer = timers.front();
    QCOMPARE(timer->interval(), 50);
    QVERIFY(!timer->isActive());
    field(dialog, "year")->setText(QString());
    QTest::keyClicks(field(dialog, "year"), QStringLiteral("2"));
    QVERIFY(timer->isActive());
    QTest::qSleep(60);  // no events meanwhile: the timer is due, not fired
    QCOMPARE(timer->remainingTime(), 0);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClicks(field(dialog, "year"), QStringLiteral("0"));
    const int remaining = timer->remainingTime();
    const qint64 elapsed = clock.elapsed();  // a loaded machine may take its time
    QVERIFY2(remaining > 40 - elapsed,
             qPrintable(QStringLiteral("%1 ms left after %2 ms").arg(remaining).arg(elapsed)));
    QSignalSpy reports(&dialog, &MainDialog::reportUpdated);
    QTest::keyClicks(field(dialog, "year"), QStringLiteral("09"));
    QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 5000);
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2009, 0, german));
  }

  // The two messages of the string table, German also in English mode.
  void inputMessages() {
    for (const auto& [typed, message] :
         {std::pair{"099", " Jahr muß zwischen 1583 und 9999 liegen!"}, {"20x4", " Kein gültiges Datum!"}}) {
      State s(LanguageMode::english);
      MainDialog dialog(s);
      dialog.show();
      field(dialog, "year")->setText(QString());
      QTest::keyClicks(field(dialog, "year"), QString::fromLatin1(typed));
      QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 1000);
      QCOMPARE(dialog.reportfield()->toPlainText(), QString::fromUtf8(message));
    }
  }

  // The today button alternates between today's month and today's year.
  void todayButtonAlternates() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    for (const char* expected : {"3", "0", "3"}) {
      dialog.findChild<QAbstractButton*>(QStringLiteral("today"))->click();
      QCOMPARE(field(dialog, "month")->text(), QString::fromLatin1(expected));
      QCOMPARE(s.position.reportpage(), field(dialog, "month")->text().toInt());
      QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2024, s.position.reportpage(), german));
    }
  }

  // "English" relabels every control, the caption and the report.
  void languageSwitchRelabelsEveryControl() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    dialog.show();
    dialog.findChild<QAbstractButton*>(QStringLiteral("language"))->click();
    QCOMPARE(s.application.languagemode, LanguageMode::english);
    QStringList english = {"Year:",       "Month:",      "Deutsch",     "Font <->",   "Linux Font", "Print...",
                           "Close",       "Days...",     "Date...",     "More...",    "Moon...",    "Rises...",
                           "Seasons...",  "Sidereal...", "Equation...", "Distrib...", "Month...",   "Calendar...",
                           "Weekdays...", "Planets...",  "Astra...",    "Geo...",     "W\nW\nW",    "In\nfo\n..."};
    QStringList shown;
    for (QLabel* label : dialog.findChildren<QLabel*>()) shown << label->text();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
      if (!button->text().isEmpty()) shown << button->text();
    shown.sort();
    english.sort();
    QCOMPARE(shown, english);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Easter Date"));
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2024, 0, Language::english));
  }

  // "Erweitert..." saves the year and month before the large view opens; the
  // large view restores them when it closes, and a main dialog opened later
  // (after the calendar window) starts from them.
  void savedPositionComesBack() {
    State s(LanguageMode::german);
    CalendarPosition& p = s.position;
    {
      MainDialog dialog(s);
      dialog.show();
      field(dialog, "year")->setText(QString());
      QTest::keyClicks(field(dialog, "year"), QStringLiteral("2009"));
      QTRY_COMPARE_WITH_TIMEOUT(p.currentyear(), 2009, 1000);
      int steppedpage = -1;
      QTimer::singleShot(0, [&] {
        QWidget* tool = QApplication::activeModalWidget();
        QVERIFY(tool && tool != &dialog);
        for (int i = 0; i < 2; ++i) tool->findChild<QAbstractButton*>(QStringLiteral("plus"))->click();
        steppedpage = p.reportpage();
        qobject_cast<QDialog*>(tool)->accept();
      });
      dialog.findChild<QAbstractButton*>(QStringLiteral("largeview"))->click();
      QCOMPARE((QList<int>{steppedpage, p.savedyear(), p.savedmonth(), p.currentyear(), p.reportpage()}),
               (QList<int>{2, 2009, 0, 2009, 0}));
    }
    p.setSavedPosition(p.savedyear(), 4);
    p.setPosition(2024, 3);  // the calendar window's today
    MainDialog dialog(s);
    QCOMPARE((QStringList{field(dialog, "year")->text(), field(dialog, "month")->text()}), (QStringList{"2009", "4"}));
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2009, 4, german));
  }

  // "iCalendar exportieren..." of the main dialog and the calendar window: the
  // entries in their context menus, a year written through the function
  // behind them (no dialog), and a file that cannot be written.
  void entriesInBothContextMenus() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    CalendarWindow window(s);
    for (QWidget* w : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&window)}) {
      QStringList texts;
      for (QAction* a : w->actions()) texts << a->text();
      QVERIFY2(texts.contains(QStringLiteral("iCalendar exportieren...")), qPrintable(texts.join(QLatin1Char(','))));
      QCOMPARE(w->contextMenuPolicy(), Qt::ActionsContextMenu);
    }
  }

  // 2024 with everything (1800..2200), 1700 with the holidays only; one
  // event per entry, DTSTAMP the clock in UTC; timed entries (phases,
  // seasons, eclipses) only where they are computed.
  void exportsTheYear() {
    for (const auto& [year, content] : {std::pair{2024, int(icalendareverything)}, {1700, int(icalendarholidays)}}) {
      ApplicationState s;
      s.userlanguage = 1031;
      const QString file = directory_.filePath(QStringLiteral("quendal-%1.ics").arg(year));
      QString error;
      QVERIFY(exporticalendar(s, year, file, error));
      const QStringList l = lines(file);
      QCOMPARE(l.first(), QStringLiteral("BEGIN:VCALENDAR"));
      QCOMPARE(l.filter(QStringLiteral("END:VCALENDAR")).size(), 1);
      const int expected = int(calendarentries({year, year, content, {}}, s.language()).size());
      QVERIFY(expected > 10);
      for (const char* line : {"^BEGIN:VEVENT$", "^END:VEVENT$", "^DTSTAMP:"})
        QCOMPARE(l.filter(QRegularExpression(QString::fromLatin1(line))).size(), expected);
      const LocalDateTime u = utcnow();
      QVERIFY(l.contains(
          QString::asprintf("DTSTAMP:%04d%02d%02dT%02d%02d%02dZ", u.year, u.month, u.day, u.hour, u.minute, u.second)));
      QCOMPARE(l.filter(QRegularExpression(QStringLiteral("^DTSTART:\\d{8}T\\d{6}Z$"))).isEmpty(),
               content == icalendarholidays);
    }
  }

  void writeErrorIsReported() {
    ApplicationState s;
    QString error;
    QVERIFY(!exporticalendar(s, 2024, directory_.filePath(QStringLiteral("missing/quendal.ics")), error));
    QVERIFY(!error.isEmpty());
  }
};

QTEST_MAIN(MainDialogTest)
#include "ui_main_dialog_test.moc"
