// The tool dialogs through their real widgets (offscreen, clock fixed by
// QUENDAL_NOW, no configuration file unless a test writes one): each dialog
// shows its report's text for its default inputs; the day and place
// buttons; the typing debounce; the date-shift step limits; closing refused
// while a graph window is open; every control named for screen readers in
// both languages; the number fields to assistive technology, and every
// change of a field's text an edit.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <tuple>
#include <utility>

#include "app/configuration.h"
#include "reports/date_shift.h"
#include "reports/day_difference.h"
#include "reports/dish_report.h"
#include "reports/distance_report.h"
#include "reports/easter_distribution.h"
#include "reports/eot_report.h"
#include "reports/large_view.h"
#include "reports/month_overview.h"
#include "reports/moon_report.h"
#include "reports/planet_report.h"
#include "reports/rises_report.h"
#include "reports/sidereal_report.h"
#include "reports/weekday_distribution.h"
#include "ui/desktop_state.h"
#include "ui/main_dialog.h"
#include "ui/platform/widgets.h"
#include "ui/tool_dialogs.h"

using namespace quendal;

namespace {

// The report text each dialog must show when it opens on 15 March 2024,
// 10:30, in German, with the default place: the report function called with
// the dialog's documented defaults.
std::string expectedreport(const char* name) {
  const std::string n = name;
  if (n == "large_view") return buildlargeview({2024, 3}, german).text;
  if (n == "month_overview") return buildmonthoverview({2024, 3, 0}, german).text;
  if (n == "day_difference") return builddaydifference({2023, 12, 31, 2024, 3, 15, 0, 2024, 3, 15}, german).text;
  if (n == "date_shift") return builddateshift({2024, 3, 15, 0}, german).text;
  if (n == "moon_phase") return buildmoonreport({2024, 3, 15, 10, 30, 1, 0, 0, 0}, german).text;
  if (n == "rises") return buildrisesreport({.year = 2024, .month = 3, .day = 15, .zone = 1}, german).text;
  if (n == "sidereal_time")
    return buildsiderealreport({.year = 2024, .month = 3, .day = 15, .hour = 10, .minute = 30, .zone = 1}, german).text;
  if (n == "planets") {
    PlanetInputs in{.year = 2024, .month = 3, .day = 15, .hour = 10, .minute = 30, .zone = 1};
    in.deltat = buildplanetreport(in, german).corrected.deltat;  // the delta T hand-shake
    in.deltaTPending = true;
    return buildplanetreport(in, german).text;
  }
  if (n == "satellite_dish")
    return builddishreport({.satellitedegrees = 19, .satellitetenths = 2, .satelliteeast = 1}, german).text;
  if (n == "distance") {
    const GeoPlace place{48, 12, 0, 1, 15, 37, 0, 1};
    return builddistancereport({.first = place, .second = place}, german).text;
  }
  if (n == "easter_distribution") return buildeasterdistribution({1950, 2050, 0}, german).text;
  if (n == "weekday_distribution") return buildweekdaydistribution({2024, 1, 2024, 12, 13}, german).text;
  if (n == "equation_of_time") return buildequationoftimereport({2024, 3, 15, 12, 0, 12, eotlist}, german).text;
  return "no such dialog";
}

QString plain(const std::string& text) { return QString::fromStdString(text).remove(QLatin1Char('\r')); }

const ToolDialogTable* table(const char* name) {
  for (const ToolDialogTable* t : tooldialogtables())
    if (qstrcmp(t->name, name) == 0) return t;
  return nullptr;
}

// German, at March 2024.
struct GermanState : DesktopState {
  GermanState() {
    application.userlanguage = 1033;
    application.languagemode = LanguageMode::german;
    position.setPosition(2024, 3);
  }
};

}  // namespace

class ToolDialogsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;

  QString number(ToolDialog& d, const char* key) { return d.findChild<NumberField*>(QString::fromLatin1(key))->text(); }
  void click(ToolDialog& d, const char* key) { d.findChild<QAbstractButton*>(QString::fromLatin1(key))->click(); }

 private slots:
  void initTestCase() {
    qputenv("QUENDAL_NOW", "2024-03-15T10:30");
    QVERIFY(QDir::setCurrent(directory_.path()));
  }
  void cleanup() { QFile::remove(QStringLiteral("QUENDAL6.INI")); }

  void opensWithItsReport_data() {
    QTest::addColumn<QString>("name");
    for (const ToolDialogTable* t : tooldialogtables()) QTest::newRow(t->name) << QString::fromLatin1(t->name);
  }
  void opensWithItsReport() {
    QFETCH(QString, name);
    GermanState s;
    ToolDialog dialog(*table(name.toLatin1().constData()), s);
    dialog.show();
    readConfiguration();
    const QString expected = plain(expectedreport(dialog.table().name));
    QTRY_COMPARE_WITH_TIMEOUT(dialog.reportfield()->toPlainText(), expected, 2000);
    QVERIFY(dialog.reportfield()->isVisible());
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(s.session.locationindex(), 0);
  }

  // "Tag +" on 31 December 2200 gives 1 January 1800 (zone 1 in winter) and "Tag -" back.
  void riseDayButtonsWrap() {
    GermanState s;
    ToolDialog dialog(RisesDialog, s);
    dialog.date = {2200, 12, 31};
    auto fields = [&] {
      return QStringList{number(dialog, "year"), number(dialog, "month"), number(dialog, "day"),
                         number(dialog, "zone")};
    };
    click(dialog, "dayon");
    QCOMPARE(fields(), (QStringList{"1800", "1", "1", "1"}));
    click(dialog, "dayback");
    QCOMPARE(fields(), (QStringList{"2200", "12", "31", "1"}));
  }

  // The planet dialog (years 1000..3000) from the date its calculation
  // stored: "Tag +" on 4 October 1582 gives 15 October, "Tag -" 4 October
  // again; 31 December 3000 wraps to 1 January 1000 and back.
  void planetDayButtonsCrossTheReform() {
    GermanState s;
    ToolDialog dialog(PlanetDialog, s);
    auto fields = [&] {
      return QStringList{number(dialog, "year"), number(dialog, "month"), number(dialog, "day"),
                         number(dialog, "zone")};
    };
    const struct {
      int year, month, day;  // written and calculated before the click; 0: the date shown
      const char* button;
      QStringList shown;
    } steps[] = {{1582, 10, 4, "dayon", {"1582", "10", "15", "1"}},
                 {0, 0, 0, "dayback", {"1582", "10", "4", "1"}},
                 {3000, 12, 31, "dayon", {"1000", "1", "1", "1"}},
                 {0, 0, 0, "dayback", {"3000", "12", "31", "1"}}};
    for (const auto& step : steps) {
      if (step.year != 0) {
        dialog.setnumber("year", step.year);
        dialog.setnumber("month", step.month);
        dialog.setnumber("day", step.day);
        dialog.recalculate();
        QCOMPARE((QList<int>{dialog.date.year, dialog.date.month, dialog.date.day}),
                 (QList<int>{step.year, step.month, step.day}));
      }
      click(dialog, step.button);
      QCOMPARE(fields(), step.shown);
    }
  }

  // One debounce timer, single-shot, 50 ms; every key restarts it, and the
  // report comes back when it fires.
  void typingIsDebounced() {
    GermanState s;
    ToolDialog dialog(RisesDialog, s);
    dialog.show();
    QList<QTimer*> timers;
    for (QTimer* t : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
      if (t->isSingleShot()) timers << t;
    QCOMPARE(timers.size(), 1);
    QTimer* timer = timers.front();
    QCOMPARE(timer->interval(), 50);
    QVERIFY(!timer->isActive());
    auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
    year->setText(QString());
    QTest::keyClicks(year, QStringLiteral("2"));
    QVERIFY(timer->isActive());
    QVERIFY(!dialog.reportfield()->isVisible());
    QTest::qSleep(60);  // no events meanwhile: the timer is due, not fired
    QCOMPARE(timer->remainingTime(), 0);
    QElapsedTimer clock;
    clock.start();
    QTest::keyClicks(year, QStringLiteral("0"));
    const int remaining = timer->remainingTime();
    const qint64 elapsed = clock.elapsed();  // a loaded machine may take its time
    QVERIFY2(remaining > 40 - elapsed,
             qPrintable(QStringLiteral("%1 ms left after %2 ms").arg(remaining).arg(elapsed)));
    QTest::keyClicks(year, QStringLiteral("24"));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 5000);
    QCOMPARE(dialog.reportfield()->toPlainText(), plain(expectedreport("rises")));
  }

  // "Pos. +" with three configured places visits 1, 2, 0; "Pos. -" from 0 goes to 2.
  void placeButtonsCycle() {
    QFile ini(QStringLiteral("QUENDAL6.INI"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("10 N 01   010E 01 First\n20 N 02   020E 02 Second\n30 S 03   030W 03 Third\n");
    ini.close();
    GermanState s;
    ToolDialog dialog(RisesDialog, s);
    QStringList visited;
    for (const char* button : {"nextplace", "nextplace", "nextplace", "previousplace"}) {
      click(dialog, button);
      visited << QStringLiteral("%1 %2%3")
                     .arg(s.session.locationindex())
                     .arg(number(dialog, "latitude"))
                     .arg(dialog.first("north") ? "N" : "S");
    }
    QCOMPARE(visited, (QStringList{"1 20N", "2 30S", "0 10N", "2 30S"}));
  }

  // The step buttons of the day count stop at their limits.
  void dateShiftStepLimits() {
    GermanState s;
    ToolDialog dialog(DateShiftDialog, s);
    const std::tuple<int, const char*, int> steps[] = {{999000, "plus1000", 999000}, {998999, "plus1000", 999999},
                                                       {999899, "plus100", 999899},  {999988, "plus10", 999998},
                                                       {999999, "plus1", 999999},    {999, "minus1000", 999},
                                                       {1000, "minus1000", 0},       {99, "minus100", 99},
                                                       {10, "minus10", 0},           {0, "minus1", 0}};
    for (const auto& [days, button, expected] : steps) {
      dialog.setnumber("days", days);
      click(dialog, button);
      QCOMPARE(dialog.number("days"), expected);
    }
  }

  // Closing the planet dialog while a graph window is open is refused.
  void planetDialogStaysWhileGraphOpen() {
    GermanState s;
    ToolDialog dialog(PlanetDialog, s);
    dialog.show();
    s.session.setGraphWindowOpen(true);
    QString message;
    QTimer::singleShot(50, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box) message = box->text(), box->accept();
    });
    dialog.reject();
    QCOMPARE(message, QStringLiteral("\n Bitte zuerst das Fenster mit der Grafik schließen!     \n\n"));
    QVERIFY(dialog.isVisible());
    s.session.setGraphWindowOpen(false);
    dialog.reject();
    QVERIFY(!dialog.isVisible());
  }

  // Every field, check box, button and report field has a name of its own.
  void everyControlIsNamed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("languagemode");
    for (int mode : {-1, 0}) {
      const char* language = mode ? "de" : "en";
      QTest::addRow("main %s", language) << QStringLiteral("main") << mode;
      for (const ToolDialogTable* t : tooldialogtables())
        QTest::addRow("%s %s", t->name, language) << QString::fromLatin1(t->name) << mode;
    }
  }
  void everyControlIsNamed() {
    QFETCH(QString, name);
    QFETCH(int, languagemode);
    GermanState s;
    s.application.languagemode = static_cast<LanguageMode>(languagemode);
    std::unique_ptr<QDialog> dialog;
    if (name == QLatin1String("main"))
      dialog = std::make_unique<MainDialog>(s);
    else
      dialog = std::make_unique<ToolDialog>(*table(name.toLatin1().constData()), s);
    QStringList names;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
      if (!qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QAbstractButton*>(w) &&
          !qobject_cast<QPlainTextEdit*>(w))
        continue;
      const QString accessible = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
      QVERIFY2(!accessible.trimmed().isEmpty(), qPrintable(w->objectName() + " has no name"));
      QVERIFY2(!names.contains(accessible), qPrintable(accessible + " named twice"));
      names << accessible;
    }
  }

  // The number fields to screen readers and voice control: the number a
  // field's text holds (none for a text that holds none) and its spin range
  // through the value interface, its text through the text interface.
  void numberFieldsShowNumberAndRange_data() {
    QTest::addColumn<QString>("name");
    for (const ToolDialogTable* t : tooldialogtables())
      if (std::any_of(t->controls.begin(), t->controls.end(),
                      [](const ControlSpec& c) { return c.kind == Control::field || c.kind == Control::signedfield; }))
        QTest::newRow(t->name) << QString::fromLatin1(t->name);
  }
  void numberFieldsShowNumberAndRange() {
    QFETCH(QString, name);
    GermanState s;
    const ToolDialogTable& t = *table(name.toLatin1().constData());
    ToolDialog dialog(t, s);
    for (const ControlSpec& spec : t.controls) {
      if (spec.kind != Control::field && spec.kind != Control::signedfield) continue;
      auto* field = dialog.findChild<NumberField*>(QString::fromLatin1(spec.key));
      QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
      QAccessibleValueInterface* value = accessible->valueInterface();
      QAccessibleTextInterface* text = accessible->textInterface();
      QVERIFY(value && text);
      for (const QString& typed : {field->text(), QStringLiteral("-"), QStringLiteral("7"), QStringLiteral(" 12 "),
                                   QStringLiteral("1x"), QString()}) {
        field->setText(typed);  // as far as the field's characters go
        const QString shown = field->text();
        bool number = false;
        const int n = shown.trimmed().toInt(&number);
        QCOMPARE(value->currentValue(), number ? QVariant(n) : QVariant());
        QCOMPARE(text->text(0, text->characterCount()), shown);
      }
      QCOMPARE(value->minimumValue(), QVariant(spec.minimum));
      QCOMPARE(value->maximumValue(), QVariant(spec.maximum));
    }
  }

  // Every change of a field's text is an edit, as a typed key is: the
  // debounce starts again and the report follows the new text, whatever
  // made the change (a number or a text set by assistive technology, a
  // paste, the spin button, a program setting the field's line edit). A
  // press of the spin button at the end of the range is an edit too; the
  // dialog's own write-back is none.
  void everyTextChangeIsAnEdit() {
    GermanState s;
    ToolDialog dialog(RisesDialog, s);
    dialog.show();
    auto* year = dialog.findChild<NumberField*>(QStringLiteral("year"));
    auto* line = year->findChild<QLineEdit*>();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(year);
    QTimer* timer = nullptr;
    for (QTimer* t : dialog.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
      if (t->isSingleShot()) timer = t;
    QVERIFY(timer && line && accessible->editableTextInterface());
    QSignalSpy edits(year, &NumberField::edited);
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"value interface", [&] { accessible->valueInterface()->setCurrentValue(2025.0); }},
        {"editable text interface",
         [&] { accessible->editableTextInterface()->replaceText(0, 4, QStringLiteral("2026")); }},
        {"line edit", [&] { line->setText(QStringLiteral("2027")); }},
        {"paste",
         [&] {
           QGuiApplication::clipboard()->setText(QStringLiteral("2028"));
           line->selectAll();
           line->paste();
         }},
        {"spin button", [&] { year->stepUp(); }},
    };
    int expected = 2025;
    for (const auto& [how, change] : changes) {
      QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 5000);
      edits.clear();
      change();
      QCOMPARE(year->text(), QString::number(expected));
      QVERIFY2(edits.count() == 1 && timer->isActive() && !dialog.reportfield()->isVisible(), how);
      QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 5000);
      const QString report = plain(buildrisesreport({.year = expected, .month = 3, .day = 15, .zone = 1}, german).text);
      QVERIFY2(dialog.reportfield()->toPlainText() == report, how);
      ++expected;
    }
    accessible->valueInterface()->setCurrentValue(1e9);  // limited to the range
    QCOMPARE(year->text(), QString::number(year->maximum()));
    edits.clear();
    year->stepUp();
    QCOMPARE(edits.count(), 1);
    QCOMPARE(year->text(), QString::number(year->maximum()));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 5000);
    edits.clear();
    year->setNumber(2030);
    QCOMPARE(year->text(), QStringLiteral("2030"));
    QCOMPARE(edits.count(), 0);
    QVERIFY(!timer->isActive());
  }

  // A half-typed year ("20") is neither read nor written back, whatever
  // asks for the report: a check box ("VSOP87D"), a hemisphere pair ("Süd"),
  // a button leaves the field as typed and the report hidden, also after
  // the debounce; the report comes back when the year is complete. The
  // day difference reads its years from 3 characters on.
  void halfTypedYearIsKept_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("year");     // the year field typed into
    QTest::addColumn<QString>("control");  // clicked while the year is "20"
    const char* const rows[][3] = {
        {"rises", "year", "precise"},
        {"rises", "year", "nextplace"},
        {"sidereal_time", "year", "northsecond"},
        {"moon_phase", "year", "nextphase"},
        {"planets", "year", "all"},
        {"planets", "year", "list"},
        {"day_difference", "year2", "direction"},
        {"easter_distribution", "to", "next"},
        {"equation_of_time", "year", "statistics"},
    };
    for (const auto& [name, year, control] : rows)
      QTest::addRow("%s %s", name, control)
          << QString::fromLatin1(name) << QString::fromLatin1(year) << QString::fromLatin1(control);
  }
  void halfTypedYearIsKept() {
    QFETCH(QString, name);
    QFETCH(QString, year);
    QFETCH(QString, control);
    GermanState s;
    ToolDialog dialog(*table(name.toLatin1().constData()), s);
    dialog.show();
    auto* field = dialog.findChild<NumberField*>(year);
    field->setText(QString());
    QTest::keyClicks(field, QStringLiteral("20"));
    dialog.findChild<QAbstractButton*>(control)->click();
    QTest::qWait(100);  // twice the debounce
    QCOMPARE(field->text(), QStringLiteral("20"));
    QVERIFY(!dialog.reportfield()->isVisible());
    QTest::keyClicks(field, QStringLiteral("24"));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.reportfield()->isVisible(), 5000);
    QCOMPARE(field->text(), QStringLiteral("2024"));
  }

  // "Minus" and "Plus" of the large view from (year, page) to (year, page):
  // never below 1583 nor above 9999, the holiday list counting as January.
  void largeViewSteps() {
    const struct {
      int year, page;
      const char* button;
      int newyear, newpage;
    } steps[] = {{1583, 0, "minus", 1583, 0},  {1583, 1, "minus", 1583, 1}, {1584, 0, "minus", 1583, 12},
                 {1584, 1, "minus", 1583, 12}, {2024, 3, "minus", 2024, 2}, {9999, 12, "plus", 9999, 12},
                 {2024, 12, "plus", 2025, 1},  {2024, 0, "plus", 2024, 1}};
    for (const auto& step : steps) {
      GermanState s;
      s.position.setPosition(step.year, step.page);
      ToolDialog dialog(LargeViewDialog, s);
      click(dialog, step.button);
      QCOMPARE((QList<int>{s.position.currentyear(), s.position.reportpage()}),
               (QList<int>{step.newyear, step.newpage}));
      QCOMPARE(dialog.reportfield()->toPlainText(), plain(buildlargeview({step.newyear, step.newpage}, german).text));
    }
  }
};

QTEST_MAIN(ToolDialogsTest)
#include "ui_tool_dialogs_test.moc"
