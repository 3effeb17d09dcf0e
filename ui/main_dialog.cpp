// The main dialog; see main_dialog.h.
#include "ui/main_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "calendar/text.h"
#include "reports/main_report.h"
#include "reports/web_addresses.h"
#include "ui/about_box.h"
#include "ui/configuration_reading.h"
#include "ui/icalendar_export.h"
#include "ui/platform/platform.h"
#include "ui/platform/widgets.h"
#include "ui/platform/window_menu.h"
#include "ui/print/print_preview_dialog.h"
#include "ui/tool_dialog.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr int debouncemilliseconds = 50;  // timer 1

// The string table: the two input messages, German in both languages.
const char* const invaliddatemessage = " Kein gültiges Datum!";                   // string 2
const char* const yearrangemessage = " Jahr muß zwischen 1583 und 9999 liegen!";  // string 3

const char* const zellerarticle[2] = {"https://de.wikipedia.org/wiki/Zellers_Kongruenz",
                                      "https://en.wikipedia.org/wiki/Zeller%27s_congruence"};
const char* const computusarticle[2] = {"https://de.wikipedia.org/wiki/Gau%C3%9Fsche_Osterformel",
                                        "https://en.wikipedia.org/wiki/Date_of_Easter"};

QString choose(const char* german, const char* english, Language language) {
  return QString::fromUtf8(language == quendal::english ? english : german);
}

}  // namespace

MainDialog::MainDialog(ApplicationState& state, QWidget* owner) : QDialog(owner), state_(state) {
  setObjectName(QStringLiteral("main"));
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(debouncemilliseconds);
  connect(timer_, &QTimer::timeout, this, &MainDialog::evaluate);
  build();
  setWindowIcon(programicon("easter"));
  const LocalDateTime now = localnow();
  year_->setNumber(now.year);
  month_->setNumber(0);
  relabel();
  // Back from the calendar window: the position saved by the large view or
  // the month overview.
  if (state_.savedyear != 0) {
    state_.currentyear = state_.savedyear;
    state_.reportpage = state_.savedmonth;
    year_->setNumber(state_.currentyear);
    month_->setNumber(state_.reportpage);
  }
  evaluate();
}

Language MainDialog::language() const { return state_.language(); }

void MainDialog::build() {
  yearlabel_ = new QLabel(this);
  year_ = new NumberField(4, 100, 9999, this);
  year_->setObjectName(QStringLiteral("year"));
  yearlabel_->setBuddy(year_);
  today_ = new QToolButton(this);
  today_->setObjectName(QStringLiteral("today"));
  today_->setIcon(programicon("today"));
  today_->setIconSize(QSize(24, 24));
  monthlabel_ = new QLabel(this);
  month_ = new NumberField(2, 0, 30, this);
  month_->setObjectName(QStringLiteral("month"));
  monthlabel_->setBuddy(month_);
  connect(year_, &NumberField::edited, this, &MainDialog::fieldedited);
  connect(month_, &NumberField::edited, this, &MainDialog::fieldedited);
  connect(today_, &QToolButton::clicked, this, &MainDialog::today);

  auto* top = new QHBoxLayout;
  top->addWidget(yearlabel_);
  top->addWidget(year_);
  top->addWidget(today_);
  top->addSpacing(12);
  top->addWidget(monthlabel_);
  top->addWidget(month_);
  top->addStretch();

  report_ = new ReportField(this);
  report_->setObjectName(QStringLiteral("report"));

  auto add = [this](const char* key, const char* german, const char* english, auto slot) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(key));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons_.append({button, german, english});
    return button;
  };

  // Left column.
  auto* left = new QVBoxLayout;
  language_ = add("language", "English", "Deutsch", &MainDialog::togglelanguage);
  left->addWidget(language_);
  left->addWidget(add("font", "Font <->", "Font <->", &MainDialog::togglefont));
  linuxfont_ = add("linuxfont", "Linux Font", "Linux Font", &MainDialog::togglelinuxfont);
  left->addWidget(linuxfont_);
  left->addWidget(add("print", "Drucken...", "Print...", &MainDialog::print));
  left->addWidget(add("close", "Beenden", "Close", &QDialog::reject));

  // The tools, five rows of three.
  auto* grid = new QGridLayout;
  auto tool = [&](int index, const char* key, const char* german, const char* english, auto slot) {
    grid->addWidget(add(key, german, english, slot), index / 3, index % 3);
  };
  tool(0, "daydifference", "Tage...", "Days...", [this] { runtool(DayDifferenceDialog); });
  tool(1, "dateshift", "Datum...", "Date...", [this] { runtool(DateShiftDialog); });
  tool(2, "largeview", "Erweitert...", "More...", [this] { rungregoriantool(LargeViewDialog); });
  tool(3, "moon", "Mond...", "Moon...", [this] {
    runtool(MoonPhaseDialog, 0);
    buildreport();
  });
  tool(4, "rises", "Aufgänge...", "Rises...", [this] { runtool(RisesDialog); });
  tool(5, "seasons", "Jahreszeit...", "Seasons...", [this] { runtool(MoonPhaseDialog, 6); });
  tool(6, "sidereal", "Sternzeit...", "Sidereal...", [this] { runtool(SiderealTimeDialog); });
  tool(7, "equation", "Zeitgleich...", "Equation...", [this] { runtool(EquationOfTimeDialog); });
  tool(8, "distribution", "Verteilung...", "Distrib...", [this] { runtool(EasterDistributionDialog); });
  tool(9, "monthoverview", "Monat...", "Month...", [this] { rungregoriantool(MonthOverviewDialog); });
  tool(10, "calendar", "Kalender...", "Calendar...", &MainDialog::calendar);
  tool(11, "weekdays", "Wochentage...", "Weekdays...", [this] { runtool(WeekdayDistributionDialog); });
  tool(12, "planets", "Planeten...", "Planets...", [this] { runtool(PlanetDialog); });
  tool(13, "dish", "Astra...", "Astra...", [this] { runtool(SatelliteDishDialog); });
  tool(14, "distance", "Geo...", "Geo...", [this] { runtool(DistanceDialog); });

  // Right: two narrow tall buttons.
  auto* web = add("web", "W\nW\nW", "W\nW\nW", &MainDialog::webpage);
  auto* info = add("info", "In\nfo\n...", "In\nfo\n...", &MainDialog::about);
  for (QPushButton* b : {web, info}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 8);
  }
  web->setAccessibleName(QStringLiteral("W W W"));
  info->setAccessibleName(QStringLiteral("In fo ..."));

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(left);
  bottom->addSpacing(8);
  bottom->addLayout(grid, 1);
  bottom->addSpacing(8);
  bottom->addWidget(web);
  bottom->addWidget(info);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(report_, 1);
  layout->addLayout(bottom);

  WindowMenu::Commands commands;
  commands.wikipedia = true;
  commands.print = state_.printingEnabled;
  commands.about = true;
  commands.icalendar = true;
  menu_ = new WindowMenu(this, commands);
  connect(menu_, &WindowMenu::wikipediaRequested, this, &MainDialog::wikipedia);
  connect(menu_, &WindowMenu::printRequested, this, &MainDialog::print);
  connect(menu_, &WindowMenu::aboutRequested, this, &MainDialog::about);
  connect(menu_, &WindowMenu::icalendarRequested, this,
          [this] { exporticalendarcommand(this, state_, state_.currentyear); });
  report_->setWindowCommands(menu_->actions());

  resize(dialogunits(font(), 282, 255).expandedTo(minimumSizeHint()));
}

void MainDialog::relabel() {
  const Language lang = language();
  yearlabel_->setText(choose("Jahr:", "Year:", lang));
  monthlabel_->setText(choose("Monat:", "Month:", lang));
  year_->setAccessibleName(choose("Jahr", "Year", lang));
  month_->setAccessibleName(choose("Monat", "Month", lang));
  const QString todaytext = choose("Heute", "Today", lang);
  today_->setToolTip(todaytext);
  today_->setAccessibleName(todaytext);
  for (const Button& b : buttons_) b.button->setText(choose(b.german, b.english, lang));
  if (state_.linuxFontToggle) linuxfont_->setText(QStringLiteral("Normal Font"));
  menu_->relabel(lang);
  report_->setAccessibleName(windowTitle() + choose(" Bericht", " Report", lang));
  setmaincaption();
}

void MainDialog::setmaincaption() {
  const CaptionIcon ci = mainreportcaption(state_.reportpage);
  setWindowTitle(QString::fromUtf8(ci.caption.in(language())));
  report_->setAccessibleName(windowTitle() + choose(" Bericht", " Report", language()));
}

// Every change of the year or month text: the report hidden until typing pauses.
void MainDialog::fieldedited() {
  report_->hide();
  timer_->start();
}

void MainDialog::evaluate() {
  timer_->stop();
  bool yearaccepted = false;
  if (year_->text().size() >= 3) {
    int year = 0;
    if (!readunsigned(year_->text(), year)) {
      showmessage(invaliddatemessage);
    } else if (year < 100 || year > 9999) {
      showmessage(yearrangemessage);
    } else {
      state_.currentyear = year;
      yearaccepted = true;
    }
  }
  if (!month_->text().isEmpty()) {
    int month = 0;
    if (!readunsigned(month_->text(), month)) {
      // The report of the year keeps the page it had; then the page is 0.
      if (yearaccepted) buildreport();
      state_.reportpage = 0;
      return;
    }
    state_.reportpage = month;
  }
  if (yearaccepted) buildreport();
}

void MainDialog::buildreport() {
  const LocalDateTime now = localnow();
  MainReportInputs in;
  in.year = state_.currentyear;
  in.page = state_.reportpage;
  in.todayyear = now.year;
  in.todaymonth = now.month;
  in.todayday = now.day;
  in.system = systemversion();
  in.languagemode = state_.languagemode;
  in.languageoverride = state_.languageoverride;
  in.userlanguage = state_.userlanguage;
  const MainReport r = buildmainreport(in, state_.language());
  if (!r.built) return;
  state_.currentyear = r.year;
  state_.reportpage = r.page;
  state_.languagemode = r.languagemode;
  if (in.page == 66) {
    month_->setNumber(0);
    relabel();
  }
  report_->setReport(QString::fromStdString(r.text),
                     reportfont(reportfontchoice(state_.fixedFontToggle, state_.linuxFontToggle, r.proportionalfont)));
  report_->show();
  report_->widenwindowtofit();
  setWindowTitle(QString::fromUtf8(r.caption));
  setWindowIcon(programicon(r.icon));
  report_->setAccessibleName(windowTitle() + choose(" Bericht", " Report", r.language));
  state_.reportBuffer = r.text;
  emit reportUpdated();
}

void MainDialog::showmessage(const char* text) {
  report_->setReport(QString::fromUtf8(text), report_->font());
  report_->show();
  emit reportUpdated();
}

// The today button: the whole year of today after a month page, else
// today's month.
void MainDialog::today() {
  const LocalDateTime now = localnow();
  state_.reportpage = state_.reportpage >= 1 && state_.reportpage <= 12 ? 0 : now.month;
  state_.currentyear = now.year;
  year_->setNumber(state_.currentyear);
  month_->setNumber(state_.reportpage);
  buildreport();
}

void MainDialog::togglelanguage() {
  state_.languagemode = language() != english ? LanguageMode::english : LanguageMode::german;
  relabel();
  buildreport();
}

void MainDialog::togglelinuxfont() {
  state_.linuxFontToggle = state_.linuxFontToggle ? 0 : 1;
  state_.fixedFontToggle = 1;
  relabel();
  buildreport();
}

void MainDialog::togglefont() {
  if (!state_.linuxFontToggle) state_.fixedFontToggle = state_.fixedFontToggle ? 0 : 1;
  buildreport();
}

void MainDialog::print() { showPrintPreview(this, state_); }

void MainDialog::wikipedia() {
  const int row = language() == english ? 1 : 0;
  openwebaddress(state_.reportpage != 0 ? zellerarticle[row] : computusarticle[row]);
}

void MainDialog::webpage() { openwebaddress(language() == english ? downloadpageenglish : downloadpagegerman); }

void MainDialog::about() { showAboutBox(this, state_); }

void MainDialog::calendar() {
  if (state_.currentyear < 1583) {
    gregorianlimit();
    return;
  }
  state_.appMode = AppMode::calendarfrommain;
  accept();
}

void MainDialog::runtool(const ToolDialogTable& table, int selector) {
  state_.dialogselector = selector;
  setWindowTitle(choose("Kalender", "Calendar", language()));
  {
    ToolDialog dialog(table, state_, this);
    dialog.exec();
  }
  state_.locationindex = 0;
  state_.dialogselector = 0;
  setmaincaption();
}

// The large view and the month overview: the year and month saved first
// (the dialogs restore them when they close); Gregorian years only.
void MainDialog::rungregoriantool(const ToolDialogTable& table) {
  state_.savedyear = state_.currentyear;
  state_.savedmonth = state_.reportpage;
  if (state_.currentyear < 1583) {
    gregorianlimit();
    return;
  }
  runtool(table);
}

void MainDialog::gregorianlimit() {
  const bool german = language() != english;
  informationbox(this, choose("Limit Gregoranischer Kalender", "Gregorian Calendar Limit", language()),
                 QString::fromUtf8(german ? "\n Nur für den Gregoranischen Kalender!\n\n Minimales Jahr: 1583\n\n"
                                          : "\n Only for the Gregorian Calender!\n\n Minimum Year: 1583\n\n"));
}

}  // namespace quendal
