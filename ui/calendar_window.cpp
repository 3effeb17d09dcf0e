// The calendar window; see calendar_window.h.
#include "ui/calendar_window.h"

#include <QAction>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "calendar/text.h"
#include "print/printing.h"
#include "ui/about_box.h"
#include "ui/configuration_reading.h"
#include "ui/icalendar_export.h"
#include "ui/platform/platform.h"
#include "ui/tool_dialog.h"
#include "ui/window_support.h"

namespace quendal {

namespace {

constexpr int firstyear = 1583;
constexpr int lastyear = 9999;

// The calendar wraps around: below 1583 comes 9999, above 9999 comes 1583.
int wrapped(int year) {
  if (year < firstyear) return lastyear;
  if (year > lastyear) return firstyear;
  return year;
}

}  // namespace

CalendarWindow::CalendarWindow(ApplicationState& state, QWidget* owner)
    : QWidget(owner, Qt::Window), state_(state), savedlanguagemode_(state.languagemode) {
  setObjectName(QStringLiteral("calendar_window"));
  setFocusPolicy(Qt::StrongFocus);
  setWindowIcon(programicon(102));
  build();
  readconfiguration(state_);
  state_.tablesStale = 1;
  relabel();
}

CalendarWindow::~CalendarWindow() { state_.languagemode = savedlanguagemode_; }

void CalendarWindow::build() {
  struct Spec {
    const char* key;
    const char* german;
    const char* english;
    void (CalendarWindow::*action)();
  };
  const Spec specs[6] = {{"monthback", "Monat -", "Month -", nullptr},
                         {"monthon", "Monat +", "Month +", nullptr},
                         {"yearback", "Jahr -", "Year -", nullptr},
                         {"yearon", "Jahr +", "Year +", nullptr},
                         {"view", "Ansicht <->", "View <->", &CalendarWindow::nextview},
                         {"help", "Hilfe - F1", "Help - F1", &CalendarWindow::help}};
  for (int i = 0; i < 6; ++i) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(specs[i].key));
    b->setFocusPolicy(Qt::NoFocus);
    buttons_.append({b, specs[i].german, specs[i].english});
    connect(b, &QPushButton::clicked, this, [this, i, action = specs[i].action] {
      if (i == 0) stepmonth(-1);
      if (i == 1) stepmonth(1);
      if (i == 2) stepyear(-1);
      if (i == 3) stepyear(1);
      if (action) (this->*action)();
      setFocus();
    });
  }
  if (state_.printingEnabled) print_ = addwindowcommand(this, [this] { print(); });
  font_ = addwindowcommand(this, [this] { togglefont(); });
  help_ = addwindowcommand(this, [this] { help(); });
  icalendar_ = addwindowcommand(this, [this] { exporticalendarcommand(this, state_, state_.currentyear); });
}

void CalendarWindow::relabel() {
  const Language lang = state_.language();
  const bool german = lang != english;
  int right = 0;
  for (int i = 0; i < buttons_.size(); ++i) {
    QPushButton* b = buttons_[i].button;
    b->setText(QString::fromUtf8(german ? buttons_[i].german : buttons_[i].english));
    const int w = std::max(100, b->sizeHint().width());
    const int x = std::max(160 + 120 * i, right + 20);
    b->setGeometry(x, 5, w, 25);
    right = x + w;
  }
  if (print_) print_->setText(german ? QStringLiteral("Drucken... \tF3") : QStringLiteral("Print... \tF3"));
  font_->setText(german ? QStringLiteral("Font wechseln <->\tF2") : QStringLiteral("Change Font <->\tF2"));
  help_->setText(german ? QStringLiteral("Hilfe... \tF1") : QStringLiteral("Help... \tF1"));
  icalendar_->setText(icalendarcommandlabel(lang));
}

QFont CalendarWindow::linefont() const {
  const QFont big = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (fonttoggle_ == 0) return big;
  QFont small = reportfont(ReportFont::ansifixed);
  if (small.pointSize() >= big.pointSize()) small.setPointSize(std::max(6, big.pointSize() - 2));
  return small;
}

void CalendarWindow::setyear(int year) {
  state_.currentyear = wrapped(year);
  state_.tablesStale = 1;
}

void CalendarWindow::stepmonth(int step) {
  if (view_ == holidayview) return;
  int month = std::clamp(state_.reportpage, 1, 12) + step;
  int year = state_.currentyear;
  if (month < 1) {
    month = 12;
    --year;
  } else if (month > 12) {
    month = 1;
    ++year;
  }
  state_.reportpage = month;
  if (year != state_.currentyear) setyear(year);
  update();
}

void CalendarWindow::stepyear(int step) {
  setyear(state_.currentyear + step);
  update();
}

void CalendarWindow::stepplace(int step) {
  if (view_ != monthcalendarview) return;
  placeindex_ = toolsteps::steppedplace(state_, placeindex_, step);
  update();
}

void CalendarWindow::nextview() {
  view_ = (view_ + 1) % calendarviews;
  state_.tablesStale = 1;  // the views keep their moon phases to the minute or to the second
  update();
}

void CalendarWindow::togglefont() {
  fonttoggle_ = fonttoggle_ ? 0 : 1;
  resizeflag_ = true;
  update();
}

void CalendarWindow::togglelanguage() {
  state_.togglelanguage();
  state_.tablesStale = 1;  // the moon phases in the other time zone
  relabel();
  update();
}

void CalendarWindow::help() {
  showwindowhelp(this, calendarwindowhelp(state_.printingEnabled, aboutplatform(), state_.language()));
}

void CalendarWindow::print() {
  if (state_.printingEnabled)
    printText(this, displaysource(display_), QStringLiteral("Calendar"), germansystem(state_.userlanguage));
}

void CalendarWindow::keyPressEvent(QKeyEvent* event) {
  const int year = state_.currentyear;
  switch (event->key()) {
    case Qt::Key_Left:
      stepmonth(-1);
      break;
    case Qt::Key_Right:
      stepmonth(1);
      break;
    case Qt::Key_Down:
      stepyear(-1);
      break;
    case Qt::Key_Up:
      stepyear(1);
      break;
    case Qt::Key_Escape:
      close();
      break;
    case Qt::Key_F1:
      help();
      break;
    case Qt::Key_F2:
    case Qt::Key_Plus:
      togglefont();
      break;
    case Qt::Key_F3:
      print();
      break;
    case Qt::Key_F4:
      if (year > 1594) stepyear(-10);
      break;
    case Qt::Key_F5:
      if (year < 9988) stepyear(10);
      break;
    case Qt::Key_F6:
      stepplace(-1);
      break;
    case Qt::Key_F7:
      stepplace(1);
      break;
    case Qt::Key_F8:
      if (year > 1684) stepyear(-100);
      break;
    case Qt::Key_F9:
      if (year < 9898) stepyear(100);
      break;
    case Qt::Key_F11:
    case Qt::Key_Minus:
      togglelanguage();
      break;
    case Qt::Key_F12:
      nextview();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
}

void CalendarWindow::paintEvent(QPaintEvent*) {
  const Language lang = state_.language();
  CalendarDisplayInputs in;
  in.year = std::clamp(state_.currentyear, firstyear, lastyear);
  in.month = state_.reportpage;
  in.view = view_;
  in.placeindex = placeindex_;
  in.places = state_.configuration.locationTable;
  refreshcalendartables(in.year, view_, lang, state_.holidayTable, state_.eventTable, state_.tablesStale);
  display_ = buildcalendardisplay(in, state_.holidayTable, state_.eventTable, lang);
  state_.currentyear = display_.year;
  state_.reportpage = display_.month;
  placeindex_ = display_.placeindex;
  setWindowTitle(text(display_.caption));

  QPainter p(this);
  p.fillRect(rect(), palette().window());
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
  p.end();
  if (resizeflag_) {
    resizeflag_ = false;
    resizetofit(h);
  }
}

void CalendarWindow::resizetofit(int h) {
  const QScreen* s = screen();
  if (!s) return;
  const int W = s->geometry().width(), H = s->geometry().height();
  const int height = std::max(100, std::min(41 * h, H));
  const int top = std::max(0, (H - 41 * h) / 2);
  setGeometry(W / 8, top, 3 * W / 4, height);
  update();
}

}  // namespace quendal
