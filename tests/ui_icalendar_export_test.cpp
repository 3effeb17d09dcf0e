// "iCalendar exportieren..." of the main dialog and the calendar window:
// the entries in their context menus, a year written through the function
// behind them (no dialog), and a file that cannot be written.
#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "reports/icalendar.h"
#include "ui/calendar_window.h"
#include "ui/icalendar_export.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"

using namespace quendal;

namespace {

QStringList lines(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
}

}  // namespace

class IcalendarExportTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;  // also the working directory: no configuration file

 private slots:
  void initTestCase() { QVERIFY(QDir::setCurrent(directory_.path())); }

  void entriesInBothContextMenus() {
    ApplicationState s;
    s.userlanguage = 1033;
    s.languagemode = -1;
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
      QVERIFY(l.contains(QString::asprintf("DTSTAMP:%04d%02d%02dT%02d%02d%02dZ", u.year, u.month, u.day, u.hour, u.minute, u.second)));
      QCOMPARE(l.filter(QRegularExpression(QStringLiteral("^DTSTART:\\d{8}T\\d{6}Z$"))).isEmpty(), content == icalendarholidays);
    }
  }

  void writeErrorIsReported() {
    ApplicationState s;
    QString error;
    QVERIFY(!exporticalendar(s, 2024, directory_.filePath(QStringLiteral("missing/quendal.ics")), error));
    QVERIFY(!error.isEmpty());
  }
};

QTEST_MAIN(IcalendarExportTest)
#include "ui_icalendar_export_test.moc"
