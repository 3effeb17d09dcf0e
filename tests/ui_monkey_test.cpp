// A monkey in every dialog (offscreen, clock fixed by QUENDAL_NOW, no
// configuration file): random text typed into the fields (digits, letters,
// signs, long strings, a paste of 100,000 characters), random keys, random
// buttons, random pauses that let the typing timer fire, thousands of events
// from a fixed seed. Message boxes, dialogs opened by buttons and graph
// windows are closed by a watchdog timer; web addresses go to a handler of
// the test instead of the browser. After every pause and at the end of each
// dialog the report field is checked: valid text within the report buffer,
// no "nan", "inf" or negative minutes; at the end, with complete year
// fields, it shows a report or one of the program's messages. Run with
// AddressSanitizer and UndefinedBehaviorSanitizer in the sanitizer build.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>
#include <random>

#include "calendar/text.h"
#include "report_invariants.h"
#include "ui/desktop_state.h"
#include "ui/main_dialog.h"
#include "ui/platform/widgets.h"
#include "ui/tool_dialogs.h"

using namespace quendal;

namespace {

constexpr unsigned seed = 17;
constexpr int toolevents = 300;  // per tool dialog
constexpr int mainevents = 600;
QtMessageHandler previoushandler = nullptr;

// Closes whatever a button opened: message boxes, modal dialogs, graph
// windows, menus; counts them.
class Watchdog : public QObject {
 public:
  explicit Watchdog(std::function<QWidget*()> monkeyed) : monkeyed_(std::move(monkeyed)) {
    connect(&timer_, &QTimer::timeout, this, &Watchdog::closeothers);
    timer_.start(15);
  }
  int closed = 0;
  QStringList messages;  // texts of the message boxes closed

 private:
  void closeothers() {
    if (busy_) return;
    busy_ = true;
    QWidget* mine = monkeyed_();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == mine || !w->isVisible()) continue;
      ++closed;
      if (auto* box = qobject_cast<QMessageBox*>(w)) {
        messages << box->text();
        box->accept();
      } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
        dialog->reject();
        if (dialog->isVisible()) dialog->close();
      } else {
        w->close();
      }
    }
    busy_ = false;
  }

  std::function<QWidget*()> monkeyed_;
  QTimer timer_;
  bool busy_ = false;
};

}  // namespace

// Takes the web addresses the buttons would open in a browser.
class AddressCatcher : public QObject {
  Q_OBJECT

 public:
  int opened = 0;

 public slots:
  void open(const QUrl&) { ++opened; }
};

class MonkeyTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir directory_;
  AddressCatcher addresses_;
  std::mt19937 random_{seed};
  QPointer<QWidget> dialog_;  // the dialog the monkey is in
  int events_ = 0;

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  QString randomtext() {
    static const QString digits = QStringLiteral("0123456789");
    static const QString letters = QStringLiteral("abcxyzNSEOWnsewoäöüßÄ大€");
    static const QString signs = QStringLiteral("+-.,:;/ 'e\"°\t");
    const QString all = digits + letters + signs;
    const int kind = pick(10);
    const int length = kind == 9 ? 100 + pick(400) : 1 + pick(6);
    const QString& from = kind < 5 ? digits : kind == 5 ? letters : kind == 6 ? signs : all;
    QString text;
    for (int i = 0; i < length; ++i) text += from[pick(static_cast<int>(from.size()))];
    if (kind == 8) text = pick(2) ? QStringLiteral("-2147483648") : QStringLiteral("99999999999");
    return text;
  }

  static int randomkey(std::mt19937& random) {
    static const int keys[] = {Qt::Key_Up,     Qt::Key_Down,  Qt::Key_PageUp, Qt::Key_PageDown,  Qt::Key_Home,
                               Qt::Key_End,    Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Backspace, Qt::Key_Delete,
                               Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,    Qt::Key_Backtab,   Qt::Key_Space,
                               Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_0,      Qt::Key_9,         Qt::Key_A,
                               Qt::Key_F1,     Qt::Key_F4,    Qt::Key_F10,    Qt::Key_Escape,    Qt::Key_Insert};
    return keys[std::uniform_int_distribution<int>(0, std::size(keys) - 1)(random)];
  }

  // Types the text character by character (any character, not only ASCII).
  static void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
      if (widget == nullptr || !widget->isVisible()) return;
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  Qt::KeyboardModifiers randommodifiers() {
    const int k = pick(10);
    return k == 0 ? Qt::ControlModifier : k == 1 ? Qt::ShiftModifier : k == 2 ? Qt::AltModifier : Qt::NoModifier;
  }

  template <class T>
  QList<T*> usable() {
    QList<T*> list;
    if (!dialog_) return list;
    for (T* w : dialog_->findChildren<T*>())
      if (w->isVisible() && w->isEnabled()) list << w;
    return list;
  }

  // One event; false when the dialog has closed.
  void act() {
    ++events_;
    const QList<NumberField*> fields = usable<NumberField>();
    const QList<QAbstractButton*> buttons = usable<QAbstractButton>();
    const int what = pick(100);
    if (what < 35 && !fields.isEmpty()) {  // type into a field, its text selected or not
      NumberField* field = fields[pick(static_cast<int>(fields.size()))];
      if (pick(2)) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      type(field, randomtext());
    } else if (what < 37 && !fields.isEmpty()) {  // paste 100,000 characters
      NumberField* field = fields[pick(static_cast<int>(fields.size()))];
      QString paste;
      for (int i = 0; i < 100000; ++i) paste += QChar(u"0123456789-+x."[pick(14)]);
      QApplication::clipboard()->setText(paste);
      field->setFocus();
      QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else if (what < 55 && !fields.isEmpty()) {  // a key in a field
      NumberField* field = fields[pick(static_cast<int>(fields.size()))];
      const int repeats = pick(4) == 0 ? 20 : 1;
      const int key = randomkey(random_);
      const Qt::KeyboardModifiers modifiers = randommodifiers();
      for (int i = 0; i < repeats && dialog_ && field->isVisible(); ++i)
        QTest::keyClick(field, Qt::Key(key), modifiers);
    } else if (what < 80 && !buttons.isEmpty()) {  // a button or check box
      buttons[pick(static_cast<int>(buttons.size()))]->click();
    } else if (what < 88 && dialog_) {  // a key to the dialog
      QTest::keyClick(dialog_, Qt::Key(randomkey(random_)), randommodifiers());
    } else {  // a pause: the typing timer may fire
      QTest::qWait(pick(2) ? 5 : 60);
      checkreport();
    }
  }

  ReportField* reportfield() const { return dialog_ ? dialog_->findChild<ReportField*>() : nullptr; }

  // A shown report field holds text that may be shown.
  void checkreport() {
    ReportField* report = reportfield();
    if (report == nullptr || !report->isVisible()) return;
    const std::string text = report->toPlainText().toStdString();
    const std::string fault = fuzz::textfault(text, ReportBuffer::capacity + 1);
    QVERIFY2(fault.empty(), qPrintable(QStringLiteral("%1 after %2 events: %3\n%4")
                                           .arg(dialog_->objectName())
                                           .arg(events_)
                                           .arg(QString::fromStdString(fault), QString::fromStdString(text))));
  }

  // The end of a dialog's run: with every year field complete, the report
  // field shows a report or a message once typing pauses.
  void finish(const QStringList& yearfields) {
    if (!dialog_ || !dialog_->isVisible()) return;
    for (const QString& key : yearfields) {
      auto* field = dialog_->findChild<NumberField*>(key);
      if (field == nullptr || !field->isVisible()) continue;
      field->setFocus();
      QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
      type(field, QStringLiteral("2024"));
    }
    QTest::qWait(200);
    ReportField* report = reportfield();
    QVERIFY(report != nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(report->isVisible() && !report->toPlainText().trimmed().isEmpty(), 5000);
    checkreport();
  }

  // Austrian German, at March 2024.
  struct FreshState : DesktopState {
    FreshState() {
      application.userlanguage = 3079;
      position.setPosition(2024, 3);
    }
  };

 private slots:
  void initTestCase() {
    // The offscreen platform's notes on every resize and raise of a window.
    previoushandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
          if (!text.contains(QLatin1String("propagateSizeHints")) && !text.contains(QLatin1String("support raise()")))
            previoushandler(type, context, text);
        });
    qputenv("QUENDAL_NOW", "2024-03-15T10:30");
    QVERIFY(QDir::setCurrent(directory_.path()));
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &addresses_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &addresses_, "open");
  }

  void cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  }

  void toolDialogs_data() {
    QTest::addColumn<int>("index");
    int i = 0;
    for (const ToolDialogTable* t : tooldialogtables()) QTest::newRow(t->name) << i++;
    QTest::newRow(PositionDialog.name) << -1;
  }

  void toolDialogs() {
    QFETCH(int, index);
    const ToolDialogTable& table = index < 0 ? PositionDialog : *tooldialogtables()[static_cast<std::size_t>(index)];
    random_.seed(seed + static_cast<unsigned>(index + 1));
    QStringList yearfields;
    for (const ControlSpec& c : table.controls)
      if (c.year) yearfields << QString::fromLatin1(c.key);

    FreshState state;
    std::unique_ptr<ToolDialog> dialog;
    Watchdog watchdog([this] { return dialog_.data(); });
    const int addresses = addresses_.opened;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < toolevents; ++i) {
      if (!dialog || !dialog->isVisible()) {  // closed by a key or a button: open it again
        dialog.reset();
        state.session.setGraphWindowOpen(false);
        state.position.saveposition();  // as the main dialog saves it before the large view
                                        // and the month overview, which restore it
        dialog = std::make_unique<ToolDialog>(table, state);
        dialog->setObjectName(QString::fromLatin1(table.name));
        dialog_ = dialog.get();
        dialog->show();
      }
      act();
      if (QTest::currentTestFailed()) return;
    }
    finish(yearfields);
    qInfo("%s: %d events in %lld ms, %d windows and boxes closed, %d web addresses", table.name, toolevents,
          static_cast<long long>(clock.elapsed()), watchdog.closed, addresses_.opened - addresses);
    dialog_ = nullptr;
  }

  void mainDialog() {
    random_.seed(seed);
    FreshState state;
    std::unique_ptr<MainDialog> dialog;
    Watchdog watchdog([this] { return dialog_.data(); });
    for (int i = 0; i < mainevents; ++i) {
      if (!dialog || !dialog->isVisible()) {
        dialog.reset();
        dialog = std::make_unique<MainDialog>(state);
        dialog->setObjectName(QStringLiteral("main"));
        dialog_ = dialog.get();
        dialog->show();
      }
      act();
      if (QTest::currentTestFailed()) return;
    }
    finish({QStringLiteral("year")});
    qInfo("main: %d events, %d windows and boxes closed", mainevents, watchdog.closed);
    dialog_ = nullptr;
  }
};

QTEST_MAIN(MonkeyTest)
#include "ui_monkey_test.moc"
