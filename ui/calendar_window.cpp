// The calendar window; see calendar_window.h.
#include "ui/calendar_window.h"

#include <QAction>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <utility>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "ui/about_box.h"
#include "ui/calendar_accessibility.h"
#include "ui/configuration_reading.h"
#include "ui/icalendar_export.h"
#include "ui/platform/platform.h"
#include "ui/print/printing.h"
#include "ui/tool_dialog.h"
#include "ui/window_support.h"

namespace quendal {

namespace {

// The buttons along the top of the window: button i at x = firstbuttonleft +
// i * (buttonwidth + buttongap), y = buttontop, buttonwidth x buttonheight;
// a label too long for buttonwidth widens its button, and the buttons after
// it keep at least buttongap from the one before.
constexpr int firstbuttonleft = 160;  // the title line's room on the left
constexpr int buttontop = 5;
constexpr int buttonwidth = 100;
constexpr int buttonheight = 25;
constexpr int buttongap = 20;

// Fitted to its font, the window is windowlines lines high (the month
// calendar's last footer line ends with line 38), but no higher than the
// screen and at least minimumheight pixels.
constexpr int windowlines = 41;
constexpr int minimumheight = 100;

// The smaller line font is the ANSI fixed-pitch font; when that is not
// smaller than the system's, it takes smallerby points less, at least
// smallestpointsize.
constexpr int smallerby = 2;
constexpr int smallestpointsize = 6;

// The steps of F4/F5 and F8/F9 in years; the months of a year.
constexpr int decade = 10;
constexpr int century = 100;
constexpr int december = 12;

// The calendar wraps around: below 1583 comes 9999, above 9999 comes 1583.
int wrapped(int year) {
  if (year < firstgregorianyear) return lastcalendaryear;
  if (year > lastcalendaryear) return firstgregorianyear;
  return year;
}

}  // namespace

CalendarWindow::CalendarWindow(DesktopState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), state_(state), savedlanguagemode_(state.application.languagemode) {
  setObjectName(QStringLiteral("calendar_window"));
  setFocusPolicy(Qt::StrongFocus);
  setWindowIcon(programicon("calendar"));
  createcommands();
  createbuttons();
  loadconfiguration(state_.application);
  relabel();
  refresh();
  connect(&state_.position, &CalendarPosition::changed, this, [this] {
    if (!writingback_) refresh();
  });
}

CalendarWindow::~CalendarWindow() {
  ApplicationState& app = state_.application;
  if (app.languagemode == savedlanguagemode_) return;
  app.languagemode = savedlanguagemode_;
  useqttranslation(app.language());
}

// The commands of the keys and the buttons belong to the button row: their
// keys work without their being entries of the context menu, which lists the
// window's own actions (printing, the font, the help, the iCalendar export).
void CalendarWindow::createcommands() {
  buttonrow_ = new QWidget(this);
  monthback_ = addcommand(buttonrow_, "monthback", {Qt::Key_Left}, [this] { stepmonth(-1); });
  monthon_ = addcommand(buttonrow_, "monthon", {Qt::Key_Right}, [this] { stepmonth(1); });
  yearback_ = addcommand(buttonrow_, "yearback", {Qt::Key_Down}, [this] { stepyear(-1); });
  yearon_ = addcommand(buttonrow_, "yearon", {Qt::Key_Up}, [this] { stepyear(1); });
  addcommand(buttonrow_, "decadeback", {Qt::Key_F4}, [this] { stepyearwithin(-decade); });
  addcommand(buttonrow_, "decadeon", {Qt::Key_F5}, [this] { stepyearwithin(decade); });
  addcommand(buttonrow_, "placeback", {Qt::Key_F6}, [this] { stepplace(-1); });
  addcommand(buttonrow_, "placeon", {Qt::Key_F7}, [this] { stepplace(1); });
  addcommand(buttonrow_, "centuryback", {Qt::Key_F8}, [this] { stepyearwithin(-century); });
  addcommand(buttonrow_, "centuryon", {Qt::Key_F9}, [this] { stepyearwithin(century); });
  addcommand(buttonrow_, "language", {Qt::Key_F11, Qt::Key_Minus}, [this] { togglelanguage(); });
  nextview_ = addcommand(buttonrow_, "view", {Qt::Key_F12}, [this] { nextview(); });
  addcommand(buttonrow_, "close", {Qt::Key_Escape}, [this] { close(); });

  setContextMenuPolicy(Qt::ActionsContextMenu);
  // Without printing F3 does nothing and the menu has no entry for it.
  print_ = addcommand(state_.application.printingEnabled ? this : nullptr, "print", {Qt::Key_F3}, [this] { print(); });
  font_ = addcommand(this, "font", {Qt::Key_F2, Qt::Key_Plus}, [this] { togglefont(); });
  help_ = addcommand(this, "help", {Qt::Key_F1}, [this] { help(); });
  icalendar_ = addcommand(this, "icalendar", {},
                          [this] { exporticalendarcommand(this, state_.application, state_.position.currentyear()); });
}

QAction* CalendarWindow::addcommand(QWidget* holder, const char* name, const QList<QKeySequence>& keys,
                                    std::function<void()> command) {
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(name));
  action->setShortcuts(keys);
  connect(action, &QAction::triggered, this, std::move(command));
  if (holder) holder->addAction(action);
  commands_.append(action);
  return action;
}

void CalendarWindow::createbuttons() {
  struct Label {
    const char* name;
    QAction* command;
    Bilingual text;
  };
  const Label buttonlabels[] = {
      {"monthback", monthback_, {"Monat -", "Month -"}}, {"monthon", monthon_, {"Monat +", "Month +"}},
      {"yearback", yearback_, {"Jahr -", "Year -"}},     {"yearon", yearon_, {"Jahr +", "Year +"}},
      {"view", nextview_, {"Ansicht <->", "View <->"}},  {"help", help_, labels::helpbutton}};
  for (const Label& label : buttonlabels) {
    auto* button = new QPushButton(buttonrow_);
    button->setObjectName(QLatin1String(label.name));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, label.command, &QAction::trigger);
    connect(button, &QPushButton::clicked, this, [this] { setFocus(); });  // the keys stay the window's
    buttons_.append({button, label.text});
  }
}

void CalendarWindow::relabel() {
  const Language lang = state_.application.language();
  int right = 0;
  for (int i = 0; i < buttons_.size(); ++i) {
    QPushButton* button = buttons_[i].button;
    button->setText(inlanguage(buttons_[i].label, lang));
    const int width = std::max(buttonwidth, button->sizeHint().width());
    const int x = std::max(firstbuttonleft + i * (buttonwidth + buttongap), right + buttongap);
    button->setGeometry(x, buttontop, width, buttonheight);
    right = x + width;
  }
  buttonrow_->resize(right, buttontop + buttonheight);
  print_->setText(inlanguage(labels::print, lang));
  font_->setText(inlanguage({"Font wechseln <->", "Change Font <->"}, lang));
  help_->setText(inlanguage(labels::help, lang));
  icalendar_->setText(icalendarcommandlabel(lang));
}

QFont CalendarWindow::linefont() const {
  const QFont big = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (fonttoggle_ == 0) return big;
  QFont small = reportfont(ReportFont::ansifixed);
  if (small.pointSize() >= big.pointSize())
    small.setPointSize(std::max(smallestpointsize, big.pointSize() - smallerby));
  return small;
}

// The line height as a painter on the window measures it: the line font
// completed by the window's.
int CalendarWindow::lineheight() const { return QFontMetrics(linefont().resolve(font()), this).height(); }

// Rebuilds what the window shows from the state (the year's tables when they
// are stale, the display list), writes the position as limited back (without
// refreshing again), sets the caption, fits the window to the font when that
// changed or at the first show, and repaints.
void CalendarWindow::refresh() {
  const Language lang = state_.application.language();
  CalendarPosition& position = state_.position;
  CalendarDisplayInputs in;
  in.year = std::clamp(position.currentyear(), firstgregorianyear, lastcalendaryear);
  in.month = position.reportpage();
  in.view = view_;
  in.placeindex = placeindex_;
  in.places = state_.application.configuration.locationTable;
  refreshcalendartables(in.year, view_, lang, tables_.holidayTable, tables_.eventTable, tables_.tablesStale);
  display_ = buildcalendardisplay(in, tables_.holidayTable, tables_.eventTable, lang);
  {
    const QScopedValueRollback<bool> writingback(writingback_, true);
    position.setPosition(display_.year, display_.month);
  }
  placeindex_ = display_.placeindex;
  setWindowTitle(text(display_.caption));
  calendarlineschanged(*this);
  if (resizeflag_ && isVisible()) {
    resizeflag_ = false;
    fittofont();
  }
  update();
}

// Left and width as every window opens (initialwindowgeometry), the height of
// the lines centred on the screen.
void CalendarWindow::fittofont() {
  const QScreen* s = screen();
  if (!s) return;
  const int screenheight = s->geometry().height();
  const int linesheight = windowlines * lineheight();
  const QRect across = initialwindowgeometry(this);
  setGeometry(across.left(), std::max(0, (screenheight - linesheight) / 2), across.width(),
              std::max(minimumheight, std::min(linesheight, screenheight)));
}

// Moves the position to a month of a year (wrapped around the calendar's
// years); the year's tables go stale when the year changes. The position's
// changed() refreshes the window (every step changes it).
void CalendarWindow::moveto(int year, int month) {
  year = wrapped(year);
  if (year != state_.position.currentyear()) tables_.tablesStale = 1;
  state_.position.setPosition(year, month);
}

void CalendarWindow::stepmonth(int step) {
  if (view_ == holidayview) return;
  const CalendarPosition& position = state_.position;
  int month = std::clamp(position.reportpage(), 1, december) + step;
  int year = position.currentyear();
  if (month < 1) {
    month = december;
    --year;
  } else if (month > december) {
    month = 1;
    ++year;
  }
  moveto(year, month);
}

void CalendarWindow::stepyear(int step) { moveto(state_.position.currentyear() + step, state_.position.reportpage()); }

// The decade and century keys step only as far as the calendar's years go.
void CalendarWindow::stepyearwithin(int step) {
  if (yearstepfits(state_.position.currentyear(), step)) stepyear(step);
}

void CalendarWindow::stepplace(int step) {
  if (view_ != monthcalendarview) return;
  placeindex_ = toolsteps::steppedplace(state_.application, placeindex_, step);
  refresh();
}

void CalendarWindow::nextview() {
  view_ = (view_ + 1) % calendarviews;
  tables_.tablesStale = 1;  // the views keep their moon phases to the minute or to the second
  refresh();
}

void CalendarWindow::togglefont() {
  fonttoggle_ = fonttoggle_ ? 0 : 1;
  resizeflag_ = true;
  refresh();
}

void CalendarWindow::togglelanguage() {
  state_.application.togglelanguage();
  useqttranslation(state_.application.language());
  tables_.tablesStale = 1;  // the moon phases in the other time zone
  relabel();
  refresh();
}

void CalendarWindow::help() {
  const ApplicationState& app = state_.application;
  showwindowhelp(this, calendarwindowhelp(app.printingEnabled, aboutplatform(), app.language()));
}

void CalendarWindow::print() {
  const ApplicationState& app = state_.application;
  if (app.printingEnabled)
    printText(this, displaysource(display_), QStringLiteral("Calendar"), germansystem(app.userlanguage));
}

void CalendarWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();  // the caption, and at the first show the size
}

// Keys sent to the window itself rather than through the shortcuts (the
// window not the active one, or a key with modifiers) reach the command with
// that key all the same.
void CalendarWindow::keyPressEvent(QKeyEvent* event) {
  if (!triggercommandofkey(commands_, *event)) QWidget::keyPressEvent(event);
}

void CalendarWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colour(canvasrgb));  // the colours of the codes are for this canvas, whatever the theme
  p.setFont(linefont());
  const int h = p.fontMetrics().height();
  for (const DisplayLine& line : display_.lines) {
    const int y = displaylinetop(line, h);
    if (line.colour != celllinecolour) {
      p.setPen(colour(displayrgb(line.colour)));
      drawtextat(p, 0, y, text(line.text));
      continue;
    }
    int x = 0;
    const std::vector<std::string> cells = displaycells(line);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const QString piece = text(cells[i]);
      p.setPen(colour(displayrgb(line.cells[i])));
      drawtextat(p, x, y, piece);
      x += p.fontMetrics().horizontalAdvance(piece);
    }
  }
}

}  // namespace quendal
