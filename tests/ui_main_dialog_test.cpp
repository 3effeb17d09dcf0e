// The main dialog through its real widgets (offscreen, clock fixed by
// QUENDAL_NOW): the typing debounce, the input messages, the today button,
// the language switch, the saved year and month, the iCalendar export.
#include <sys/resource.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <utility>

#include "reports/icalendar.h"
#include "reports/main_report.h"
#include "ui/calendar_window.h"
#include "ui/desktop_state.h"
#include "ui/icalendar_export.h"
#include "ui/main_dialog.h"
#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"
#include "ui/startup_loop.h"

using namespace quendal;

namespace {

// Runs f with the process's file-size limit at `bytes` and SIGXFSZ ignored,
// so that a write beyond the limit fails (EFBIG) as on a full disk. False
// when the limit cannot be set.
bool withfilesizelimit(rlim_t bytes, const std::function<void()>& f) {
  rlimit saved{};
  if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return false;
  rlimit limited = saved;
  limited.rlim_cur = bytes;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  const bool limitset = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  if (limitset) f();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
  return limitset;
}

}  // namespace

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

  // The today button shows the icon of the month pages, the calendar.
  void todayButtonShowsTheCalendarIcon() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    auto* today = dialog.findChild<QAbstractButton*>(QStringLiteral("today"));
    today->click();
    QCOMPARE(s.position.reportpage(), 3);
    QCOMPARE(today->icon().pixmap(48).toImage(), dialog.windowIcon().pixmap(48).toImage());
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

  // The configuration file of $XDG_CONFIG_HOME/quendal/, the working
  // directory being another: read into the state, and named by the
  // evaluation box ("Tage..." and its "Details..."); a file of the working
  // directory wins; without either the box names the files looked for.
  void configurationOfXdgConfigHome() {
    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath(QStringLiteral("quendal")));
    const QString xdgfile = config.filePath(QStringLiteral("quendal/QUENDAL6.INI"));
    const bool wasset = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const auto writefile = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    State s(LanguageMode::german);
    MainDialog dialog(s);
    dialog.show();
    // The evaluation box's text, the box opened as the user opens it.
    const auto evaluation = [&] {
      QString text;
      QTimer::singleShot(0, [&] {
        QWidget* tool = QApplication::activeModalWidget();
        QTimer::singleShot(0, [&] {
          if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
          }
        });
        if (auto* details = tool ? tool->findChild<QAbstractButton*>(QStringLiteral("details")) : nullptr)
          details->click();
        if (auto* d = qobject_cast<QDialog*>(tool)) d->accept();
      });
      dialog.findChild<QAbstractButton*>(QStringLiteral("daydifference"))->click();
      return text;
    };
    const Configuration& c = s.application.configuration;

    QVERIFY(writefile(xdgfile, "52 N 31   013E 24 Berlin\r\n1970-05-17 Geburtstag\r\n"));
    QString text = evaluation();
    QCOMPARE(QString::fromStdString(c.path), xdgfile);
    QCOMPARE(QString::fromStdString(c.locationTable[0].name), QStringLiteral("Berlin"));
    QVERIFY2(text.contains(QStringLiteral(" - Geburtstag ")), qPrintable(text));
    QVERIFY2(text.endsWith(QStringLiteral("\n\n Datei: ") + xdgfile + QStringLiteral("\n")), qPrintable(text));

    QVERIFY(writefile(QStringLiteral("QUENDAL6.INI"), "48 N 12   016E 22 Wien\r\n"));
    text = evaluation();
    QCOMPARE(QString::fromStdString(c.locationTable[0].name), QStringLiteral("Wien"));
    QVERIFY2(text.endsWith(QStringLiteral("\n\n Datei: ./QUENDAL6.INI\n")), qPrintable(text));

    QVERIFY(QFile::remove(QStringLiteral("QUENDAL6.INI")));
    QVERIFY(QFile::remove(xdgfile));
    text = evaluation();
    const QString looked = config.filePath(QStringLiteral("quendal/QUENDAL"));
    QCOMPARE(text, QStringLiteral("\n INI-Datei \"QUENDAL6.INI\" nicht gefunden! \n\n Gesucht: ./QUENDAL6.INI "
                                  "./QUENDAL5.INI ") +
                       looked + QStringLiteral("6.INI ") + looked + QStringLiteral("5.INI\n"));
    QCOMPARE(QString::fromStdString(c.locationTable[0].name), QStringLiteral("Sankt Pölten (Austria)"));
    if (wasset)
      qputenv("XDG_CONFIG_HOME", saved);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }

  // The export written whole or not at all: a write that fails midway fails
  // with the system's reason and leaves the old file byte for byte and
  // nothing beside it; an export that succeeds replaces it.
  void failedExportLeavesTheOldFile() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quendal-2024.ics"));
    const QByteArray old = "BEGIN:VCALENDAR\r\nX-OLD:1\r\nEND:VCALENDAR\r\n";
    {
      QFile f(file);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QCOMPARE(f.write(old), old.size());
    }
    const auto content = [&] {
      QFile f(file);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QStringList alone{QStringLiteral("quendal-2024.ics")};
    const auto entries = [&] {
      return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    constexpr rlim_t limit = 4096;
    ApplicationState s;
    QString error;
    bool written = true;
    QVERIFY(withfilesizelimit(limit, [&] { written = exporticalendar(s, 2024, file, error); }));
    QVERIFY(!written);
    QVERIFY2(error.contains(QStringLiteral("File too large")), qPrintable(error));
    QCOMPARE(content(), old);
    QCOMPARE(entries(), alone);

    QVERIFY(exporticalendar(s, 2024, file, error));
    QVERIFY(content().startsWith("BEGIN:VCALENDAR\r\n"));
    QVERIFY(content().size() > qint64(limit));
    QCOMPARE(entries(), alone);
  }

  // The command through its dialogs: the file chosen in the save dialog, a
  // write that fails midway, then a message box naming the file and the
  // reason; nothing is left in the folder.
  void failedExportCommandSaysWhy() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quendal-2024.ics"));
    State s(LanguageMode::german);
    MainDialog dialog(s);
    QAction* command = nullptr;
    for (QAction* a : dialog.actions())
      if (a->text() == QLatin1String("iCalendar exportieren...")) command = a;
    QVERIFY(command);
    QString message;
    QTimer answer;  // answers each dialog once it is open
    connect(&answer, &QTimer::timeout, this, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        files->selectFile(file);
        static_cast<QDialog*>(files)->accept();  // QFileDialog's own, as its Save button
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        message = box->text();
        box->accept();
      }
    });
    answer.start(10);
    QVERIFY(withfilesizelimit(4096, [&] { command->trigger(); }));
    QVERIFY2(message.contains(QStringLiteral("Die Datei konnte nicht geschrieben werden:\n ") +
                              QDir::toNativeSeparators(file) + QStringLiteral("\n File too large")),
             qPrintable(message));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
  }

  // Qt's own texts (a standard Cancel button) in the program's language: at
  // start-up the language of the configuration file's language line, else
  // of the user's locale; then at each press of "English" or "Deutsch" and
  // at page 66 of the month field.
  void qtTextsFollowTheLanguage_data() {
    QTest::addColumn<QByteArray>("configuration");
    QTest::addColumn<int>("userlanguage");
    QTest::addColumn<QString>("first");
    QTest::newRow("D line, English user") << QByteArray("D (Deutsch)\r\n") << 1033 << "Abbrechen";
    QTest::newRow("A line, English user") << QByteArray("A (Österreich)\r\n") << 1033 << "Abbrechen";
    QTest::newRow("E line, German user") << QByteArray("E (English)\r\n") << 1031 << "Cancel";
    QTest::newRow("German user") << QByteArray() << 1031 << "Abbrechen";
    QTest::newRow("Austrian user") << QByteArray() << 3079 << "Abbrechen";
    QTest::newRow("English user") << QByteArray() << 1033 << "Cancel";
  }
  void qtTextsFollowTheLanguage() {
    QFETCH(QByteArray, configuration);
    QFETCH(int, userlanguage);
    QFETCH(QString, first);
    const QString german = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFile::exists(german))
      QSKIP(qPrintable(german + QStringLiteral(" is missing: Qt's translations (Debian: qt6-translations-l10n) "
                                               "are not installed")));
    QTemporaryDir folder;
    QVERIFY(QDir::setCurrent(folder.path()));
    QFile ini(QStringLiteral("QUENDAL6.INI"));
    QVERIFY(configuration.isEmpty() || (ini.open(QIODevice::WriteOnly) && ini.write(configuration) > 0));
    ini.close();
    const QString other = first == QLatin1String("Cancel") ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel");
    QVERIFY(useqttranslation(first == QLatin1String("Cancel") ? Language::german : Language::english));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    const auto cancel = [&] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);  // what the event loop does next
      return box.button(QDialogButtonBox::Cancel)->text();
    };
    DesktopState s;
    s.application.userlanguage = userlanguage;
    QStringList shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<MainDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      shown << cancel();
      for (int i = 0; i < 2; ++i) {
        dialog->findChild<QAbstractButton*>(QStringLiteral("language"))->click();
        shown << cancel();
      }
      NumberField* month = field(*dialog, "month");
      month->setText(QString());
      QTest::keyClicks(month, QStringLiteral("66"));
      for (int i = 0; i < 250 && month->text() != QLatin1String("0"); ++i) QTest::qWait(20);
      shown << cancel();
      dialog->reject();
    });
    QCOMPARE(runstartuploop(s), 0);
    QVERIFY(QDir::setCurrent(directory_.path()));
    QVERIFY(useqttranslation(Language::english));
    QCOMPARE(shown, (QStringList{first, other, first, other}));
  }

  // A year or a month set by assistive technology or on a field's line
  // edit is an edit as a typed one: the report follows once typing pauses.
  void fieldsSetByAssistiveTechnology() {
    State s(LanguageMode::german);
    MainDialog dialog(s);
    dialog.show();
    QSignalSpy reports(&dialog, &MainDialog::reportUpdated);
    QAccessibleInterface* year = QAccessible::queryAccessibleInterface(field(dialog, "year"));
    QVERIFY(year->editableTextInterface() && year->valueInterface());
    const std::pair<std::function<void()>, QString> changes[] = {
        {[&] { year->editableTextInterface()->replaceText(0, 4, QStringLiteral("2009")); },
         reporttext(2009, 0, german)},
        {[&] { year->valueInterface()->setCurrentValue(1999); }, reporttext(1999, 0, german)},
        {[&] { field(dialog, "month")->findChild<QLineEdit*>()->setText(QStringLiteral("7")); },
         reporttext(1999, 7, german)}};
    for (const auto& [change, report] : changes) {
      reports.clear();
      change();
      QVERIFY(!dialog.reportfield()->isVisible());
      QTRY_COMPARE_WITH_TIMEOUT(reports.count(), 1, 5000);
      QCOMPARE(dialog.reportfield()->toPlainText(), report);
    }
  }
};

QTEST_MAIN(MainDialogTest)
#include "ui_main_dialog_test.moc"
