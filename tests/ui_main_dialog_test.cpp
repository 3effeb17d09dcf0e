// The main dialog through its real widgets (offscreen, clock fixed by
// QUENDAL_NOW): the typing debounce, the input messages, the today button
// and the language switch.
#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "reports/main_report.h"
#include "ui/main_dialog.h"
#include "ui/platform/widgets.h"

using namespace quendal;

class MainDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;  // the working directory: no configuration file

  static ApplicationState state(int languagemode) {
    ApplicationState s;
    s.userlanguage = 1033;
    s.languagemode = languagemode;
    return s;
  }

  static QString reporttext(int year, int page, int language) {
    const MainReportInputs in{.year = year, .page = page, .todayyear = 2024, .todaymonth = 3, .todayday = 15};
    return QString::fromStdString(buildmainreport(in, language).text).remove(QLatin1Char('\r'));
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
    ApplicationState s = state(-1);
    MainDialog dialog(s);
    dialog.show();
    auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
    ReportField* report = dialog.reportfield();
    year->setText(QString());
    QSignalSpy reports(&dialog, &MainDialog::reportUpdated);
    const struct {
      const char* key;
      int reports;
    } steps[] = {{"2", 0}, {"0", 0}, {"0", 1}, {"9", 2}};
    for (const auto& step : steps) {
      const int before = reports.count();
      QTest::keyClicks(year, QString::fromLatin1(step.key));
      QVERIFY(!report->isVisible());
      if (step.reports > before)
        QTRY_COMPARE_WITH_TIMEOUT(reports.count(), step.reports, 1000);
      else
        QTest::qWait(120);
      QCOMPARE(reports.count(), step.reports);
    }
    QVERIFY(report->isVisible());
    QCOMPARE(report->toPlainText(), reporttext(2009, 0, 1));
  }

  // The two messages of the string table, German also in English mode.
  void inputMessages_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("year 99") << "099" << QStringLiteral(" Jahr muß zwischen 1583 und 9999 liegen!");
    QTest::newRow("not a number") << "20x4" << QStringLiteral(" Kein gültiges Datum!");
  }
  void inputMessages() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ApplicationState s = state(0);
    MainDialog dialog(s);
    dialog.show();
    auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
    year->setText(QString());
    QTest::keyClicks(year, typed);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 1000);
    QCOMPARE(dialog.reportfield()->toPlainText(), message);
  }

  // The today button alternates between today's month and today's year.
  void todayButtonAlternates() {
    ApplicationState s = state(-1);
    MainDialog dialog(s);
    auto* today = dialog.findChild<QAbstractButton*>(QStringLiteral("today"));
    auto* month = dialog.findChild<NumberField*>(QStringLiteral("month"));
    for (const char* expected : {"3", "0", "3"}) {
      today->click();
      QCOMPARE(month->text(), QString::fromLatin1(expected));
      QCOMPARE(s.reportpage, month->text().toInt());
      QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2024, s.reportpage, 1));
    }
  }

  // "English" relabels every control, the caption and the report.
  void languageSwitchRelabelsEveryControl() {
    ApplicationState s = state(-1);
    MainDialog dialog(s);
    dialog.show();
    dialog.findChild<QAbstractButton*>(QStringLiteral("language"))->click();
    QCOMPARE(s.languagemode, 0);
    const QStringList english = {
        "Year:",       "Month:",      "Deutsch",     "Font <->",     "Linux Font", "Print...",
        "Close",       "Days...",     "Date...",     "More...",      "Moon...",    "Rises...",
        "Seasons...",  "Sidereal...", "Equation...", "Distrib...",   "Month...",   "Calendar...",
        "Weekdays...", "Planets...",  "Astra...",    "Geo...",       "W\nW\nW",    "In\nfo\n...",
    };
    QStringList shown;
    for (QLabel* label : dialog.findChildren<QLabel*>()) shown << label->text();
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
      if (!button->text().isEmpty()) shown << button->text();
    shown.sort();
    QStringList expected = english;
    expected.sort();
    QCOMPARE(shown, expected);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Easter Date"));
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2024, 0, 0));
  }

  // "Erweitert..." saves the year and month before the large view opens; the
  // large view restores them when it closes, and a main dialog opened later
  // (after the calendar window) starts from them.
  void savedPositionComesBack() {
    ApplicationState s = state(-1);
    {
      MainDialog dialog(s);
      dialog.show();
      auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
      year->setText(QString());
      QTest::keyClicks(year, QStringLiteral("2009"));
      QTRY_COMPARE_WITH_TIMEOUT(s.currentyear, 2009, 1000);
      int steppedpage = -1;
      QTimer::singleShot(0, [&] {
        QWidget* tool = QApplication::activeModalWidget();
        QVERIFY(tool && tool != &dialog);
        tool->findChild<QAbstractButton*>(QStringLiteral("plus"))->click();
        tool->findChild<QAbstractButton*>(QStringLiteral("plus"))->click();
        steppedpage = s.reportpage;
        qobject_cast<QDialog*>(tool)->accept();
      });
      dialog.findChild<QAbstractButton*>(QStringLiteral("largeview"))->click();
      QCOMPARE(steppedpage, 2);
      QCOMPARE(s.savedyear, 2009);
      QCOMPARE(s.savedmonth, 0);
      QCOMPARE(s.currentyear, 2009);
      QCOMPARE(s.reportpage, 0);
    }
    s.savedmonth = 4;
    s.currentyear = 2024;  // the calendar window's today
    s.reportpage = 3;
    MainDialog dialog(s);
    QCOMPARE(dialog.findChild<NumberField*>(QStringLiteral("year"))->text(), QStringLiteral("2009"));
    QCOMPARE(dialog.findChild<NumberField*>(QStringLiteral("month"))->text(), QStringLiteral("4"));
    QCOMPARE(dialog.reportfield()->toPlainText(), reporttext(2009, 4, 1));
  }
};

QTEST_MAIN(MainDialogTest)
#include "ui_main_dialog_test.moc"
