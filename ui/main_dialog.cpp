// The main dialog; see main_dialog.h.
#include "ui/main_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <iterator>

#include "calendar/calendar.h"
#include "calendar/text.h"
#include "reports/main_report.h"
#include "reports/moon_report.h"
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

// The year field: four characters, its spin button from 100 to 9999; a year
// is read once three characters are typed. The month field: two
// characters, the report pages 0 to 30 by its spin button; 1 to 12 are the
// months.
constexpr int yearcharacters = 4;
constexpr int yearread = 3;
constexpr int monthcharacters = 2;
constexpr int lastspunpage = 30;
constexpr int lastmonthpage = 12;

// The layout, in pixels: the today button's icon, the space before the
// month's label, the space on either side of the tools, and the room beside
// "WWW" in the two narrow buttons. The dialog's size in dialog units (at
// least its layout's minimum).
constexpr QSize todayiconsize(24, 24);
constexpr int monthspacing = 12;
constexpr int toolspacing = 8;
constexpr int narrowbuttonroom = 8;
constexpr int widthunits = 282;
constexpr int heightunits = 255;

// The string table: the two input messages, German in both languages.
const char* const invaliddatemessage = " Kein gültiges Datum!";                   // string 2
const char* const yearrangemessage = " Jahr muß zwischen 1583 und 9999 liegen!";  // string 3

constexpr Bilingual zellerarticle{"https://de.wikipedia.org/wiki/Zellers_Kongruenz",
                                  "https://en.wikipedia.org/wiki/Zeller%27s_congruence"};
constexpr Bilingual computusarticle{"https://de.wikipedia.org/wiki/Gau%C3%9Fsche_Osterformel",
                                    "https://en.wikipedia.org/wiki/Date_of_Easter"};

constexpr Bilingual reportname{" Bericht", " Report"};    // after the caption, the report field's accessible name
constexpr Bilingual toolcaption{"Kalender", "Calendar"};  // while a tool dialog is open
constexpr Bilingual gregorianlimittitle{"Limit Gregoranischer Kalender", "Gregorian Calendar Limit"};
constexpr Bilingual gregorianlimittext{"\n Nur für den Gregoranischen Kalender!\n\n Minimales Jahr: 1583\n\n",
                                       "\n Only for the Gregorian Calender!\n\n Minimum Year: 1583\n\n"};

// What a tool button opens.
enum class Opens {
  tool,            // the tool dialog, on its listing
  gregoriantool,   // the same for Gregorian years only, the year and month saved first
  calendarwindow,  // the calendar window in place of the main dialog
};

// A tool button: its object name, its label, what it opens (a tool dialog
// on which listing); recomputes: the report built again when the dialog
// returns.
struct ToolButton {
  const char* key;
  Bilingual label;
  Opens opens;
  const ToolDialogTable* table = nullptr;
  int listing = 0;
  bool recomputes = false;
};

// The tools, toolcolumns to a row.
constexpr int toolcolumns = 3;
constexpr ToolButton toolbuttons[] = {
    {"daydifference", {"Tage...", "Days..."}, Opens::tool, &DayDifferenceDialog},
    {"dateshift", {"Datum...", "Date..."}, Opens::tool, &DateShiftDialog},
    {"largeview", {"Erweitert...", "More..."}, Opens::gregoriantool, &LargeViewDialog},
    {"moon", {"Mond...", "Moon..."}, Opens::tool, &MoonPhaseDialog, moonnow, true},
    {"rises", {"Aufgänge...", "Rises..."}, Opens::tool, &RisesDialog},
    {"seasons", {"Jahreszeit...", "Seasons..."}, Opens::tool, &MoonPhaseDialog, moonseasons},
    {"sidereal", {"Sternzeit...", "Sidereal..."}, Opens::tool, &SiderealTimeDialog},
    {"equation", {"Zeitgleich...", "Equation..."}, Opens::tool, &EquationOfTimeDialog},
    {"distribution", {"Verteilung...", "Distrib..."}, Opens::tool, &EasterDistributionDialog},
    {"monthoverview", {"Monat...", "Month..."}, Opens::gregoriantool, &MonthOverviewDialog},
    {"calendar", {"Kalender...", "Calendar..."}, Opens::calendarwindow},
    {"weekdays", {"Wochentage...", "Weekdays..."}, Opens::tool, &WeekdayDistributionDialog},
    {"planets", {"Planeten...", "Planets..."}, Opens::tool, &PlanetDialog},
    {"dish", {"Astra...", "Astra..."}, Opens::tool, &SatelliteDishDialog},
    {"distance", {"Geo...", "Geo..."}, Opens::tool, &DistanceDialog},
};

}  // namespace

MainDialog::MainDialog(DesktopState& state, QWidget* owner) : QDialog(owner), state_(state) {
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
  CalendarPosition& position = state_.position;
  if (position.savedyear() != 0) {
    position.restoresavedposition();
    year_->setNumber(position.currentyear());
    month_->setNumber(position.reportpage());
  }
  evaluate();
}

Language MainDialog::language() const { return state_.application.language(); }

void MainDialog::build() {
  yearlabel_ = new QLabel(this);
  year_ = new NumberField(yearcharacters, firstcalendaryear, lastcalendaryear, this);
  year_->setObjectName(QStringLiteral("year"));
  yearlabel_->setBuddy(year_);
  today_ = new QToolButton(this);
  today_->setObjectName(QStringLiteral("today"));
  today_->setIcon(programicon("calendar"));  // the icon of the month pages
  today_->setIconSize(todayiconsize);
  monthlabel_ = new QLabel(this);
  month_ = new NumberField(monthcharacters, 0, lastspunpage, this);
  month_->setObjectName(QStringLiteral("month"));
  monthlabel_->setBuddy(month_);
  connect(year_, &NumberField::edited, this, &MainDialog::fieldedited);
  connect(month_, &NumberField::edited, this, &MainDialog::fieldedited);
  connect(today_, &QToolButton::clicked, this, &MainDialog::today);

  auto* top = new QHBoxLayout;
  top->addWidget(yearlabel_);
  top->addWidget(year_);
  top->addWidget(today_);
  top->addSpacing(monthspacing);
  top->addWidget(monthlabel_);
  top->addWidget(month_);
  top->addStretch();

  report_ = new ReportField(this);
  report_->setObjectName(QStringLiteral("report"));

  auto add = [this](const char* key, const Bilingual& label, auto slot) {
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(key));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons_.append({button, label});
    return button;
  };

  // Left column.
  auto* left = new QVBoxLayout;
  language_ = add("language", {"English", "Deutsch"}, &MainDialog::togglelanguage);
  left->addWidget(language_);
  left->addWidget(add("font", {"Font <->", "Font <->"}, &MainDialog::togglefont));
  linuxfont_ = add("linuxfont", {"Linux Font", "Linux Font"}, &MainDialog::togglelinuxfont);
  left->addWidget(linuxfont_);
  left->addWidget(add("print", labels::print, &MainDialog::print));
  left->addWidget(add("close", {"Beenden", "Close"}, &QDialog::reject));

  // The tools, five rows of three.
  const auto open = [this](const ToolButton& tool) {
    switch (tool.opens) {
      case Opens::tool:
        runtool(*tool.table, tool.listing);
        break;
      case Opens::gregoriantool:
        rungregoriantool(*tool.table);
        break;
      case Opens::calendarwindow:
        calendar();
        break;
    }
    if (tool.recomputes) buildreport();
  };
  auto* grid = new QGridLayout;
  for (int i = 0; i < static_cast<int>(std::size(toolbuttons)); ++i) {
    const ToolButton& tool = toolbuttons[i];
    grid->addWidget(add(tool.key, tool.label, [open, &tool] { open(tool); }), i / toolcolumns, i % toolcolumns);
  }

  // Right: two narrow tall buttons.
  auto* web = add("web", {"W\nW\nW", "W\nW\nW"}, &MainDialog::webpage);
  auto* info = add("info", {"In\nfo\n...", "In\nfo\n..."}, &MainDialog::about);
  for (QPushButton* b : {web, info}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + narrowbuttonroom);
  }
  web->setAccessibleName(QStringLiteral("W W W"));
  info->setAccessibleName(QStringLiteral("In fo ..."));

  auto* bottom = new QHBoxLayout;
  bottom->addLayout(left);
  bottom->addSpacing(toolspacing);
  bottom->addLayout(grid, 1);
  bottom->addSpacing(toolspacing);
  bottom->addWidget(web);
  bottom->addWidget(info);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(report_, 1);
  layout->addLayout(bottom);

  WindowMenu::Commands commands;
  commands.wikipedia = true;
  commands.print = state_.application.printingEnabled;
  commands.about = true;
  commands.icalendar = true;
  menu_ = new WindowMenu(this, commands);
  connect(menu_, &WindowMenu::wikipediaRequested, this, &MainDialog::wikipedia);
  connect(menu_, &WindowMenu::printRequested, this, &MainDialog::print);
  connect(menu_, &WindowMenu::aboutRequested, this, &MainDialog::about);
  connect(menu_, &WindowMenu::icalendarRequested, this,
          [this] { exporticalendarcommand(this, state_.application, state_.position.currentyear()); });
  report_->setWindowCommands(menu_->actions());

  resize(dialogunits(font(), widthunits, heightunits).expandedTo(minimumSizeHint()));
}

void MainDialog::relabel() {
  const Language lang = language();
  yearlabel_->setText(inlanguage({"Jahr:", "Year:"}, lang));
  monthlabel_->setText(inlanguage({"Monat:", "Month:"}, lang));
  year_->setAccessibleName(inlanguage({"Jahr", "Year"}, lang));
  month_->setAccessibleName(inlanguage({"Monat", "Month"}, lang));
  const QString todaytext = inlanguage({"Heute", "Today"}, lang);
  today_->setToolTip(todaytext);
  today_->setAccessibleName(todaytext);
  for (const Button& b : buttons_) b.button->setText(inlanguage(b.label, lang));
  if (state_.fonts.linuxFontToggle()) linuxfont_->setText(QStringLiteral("Normal Font"));
  menu_->relabel(lang);
  report_->setAccessibleName(windowTitle() + inlanguage(reportname, lang));
  setmaincaption();
}

void MainDialog::setmaincaption() {
  const CaptionIcon ci = mainreportcaption(state_.position.reportpage());
  setWindowTitle(inlanguage(ci.caption, language()));
  report_->setAccessibleName(windowTitle() + inlanguage(reportname, language()));
}

// Every change of the year or month text: the report hidden until typing pauses.
void MainDialog::fieldedited() {
  report_->hide();
  timer_->start();
}

void MainDialog::evaluate() {
  timer_->stop();
  bool yearaccepted = false;
  if (year_->text().size() >= yearread) {
    int year = 0;
    if (!readunsigned(year_->text(), year)) {
      showmessage(invaliddatemessage);
    } else if (year < firstcalendaryear || year > lastcalendaryear) {
      showmessage(yearrangemessage);
    } else {
      state_.position.setCurrentyear(year);
      yearaccepted = true;
    }
  }
  if (!month_->text().isEmpty()) {
    int month = 0;
    if (!readunsigned(month_->text(), month)) {
      // The report of the year keeps the page it had; then the page is 0.
      if (yearaccepted) buildreport();
      state_.position.setReportpage(0);
      return;
    }
    state_.position.setReportpage(month);
  }
  if (yearaccepted) buildreport();
}

void MainDialog::buildreport() {
  const LocalDateTime now = localnow();
  ApplicationState& app = state_.application;
  MainReportInputs in;
  in.year = state_.position.currentyear();
  in.page = state_.position.reportpage();
  in.todayyear = now.year;
  in.todaymonth = now.month;
  in.todayday = now.day;
  in.system = systemversion();
  in.languagemode = app.languagemode;
  in.languageoverride = app.languageoverride;
  in.userlanguage = app.userlanguage;
  const MainReport r = buildmainreport(in, app.language());
  if (!r.built) return;
  state_.position.setPosition(r.year, r.page);
  app.languagemode = r.languagemode;
  if (in.page == languagepage) {
    useqttranslation(app.language());
    month_->setNumber(0);
    relabel();
  }
  const QString shown = QString::fromStdString(r.text);
  report_->setReport(shown, state_.fonts.font(r.proportionalfont));
  report_->show();
  report_->widenwindowtofit();
  setWindowTitle(QString::fromUtf8(r.caption));
  setWindowIcon(programicon(r.icon));
  report_->setAccessibleName(windowTitle() + inlanguage(reportname, r.language));
  state_.lastreport.setReportBuffer(shown);
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
  CalendarPosition& position = state_.position;
  const int page = position.reportpage();
  position.setPosition(now.year, page >= 1 && page <= lastmonthpage ? 0 : now.month);
  year_->setNumber(position.currentyear());
  month_->setNumber(position.reportpage());
  buildreport();
}

void MainDialog::togglelanguage() {
  state_.application.languagemode = language() != english ? LanguageMode::english : LanguageMode::german;
  useqttranslation(language());
  relabel();
  buildreport();
}

void MainDialog::togglelinuxfont() {
  state_.fonts.togglelinuxfont();
  relabel();
  buildreport();
}

void MainDialog::togglefont() {
  state_.fonts.togglefont();
  buildreport();
}

void MainDialog::print() {
  showPrintPreview(this, state_.application, state_.lastreport.reportBuffer(), state_.fonts.font());
}

void MainDialog::wikipedia() {
  openwebaddress((state_.position.reportpage() != 0 ? zellerarticle : computusarticle).in(language()));
}

void MainDialog::webpage() { openwebaddress(language() == english ? downloadpageenglish : downloadpagegerman); }

void MainDialog::about() { showAboutBox(this, state_.application); }

void MainDialog::calendar() {
  if (state_.position.currentyear() < firstgregorianyear) {
    gregorianlimit();
    return;
  }
  state_.application.appMode = AppMode::calendarfrommain;
  accept();
}

void MainDialog::runtool(const ToolDialogTable& table, int listing) {
  setWindowTitle(inlanguage(toolcaption, language()));
  {
    ToolDialog dialog(table, state_, this, listing);
    dialog.exec();
  }
  state_.session.setLocationindex(0);
  setmaincaption();
}

// The large view and the month overview: the year and month saved first
// (the dialogs restore them when they close); Gregorian years only.
void MainDialog::rungregoriantool(const ToolDialogTable& table) {
  state_.position.saveposition();
  if (state_.position.currentyear() < firstgregorianyear) {
    gregorianlimit();
    return;
  }
  runtool(table);
}

void MainDialog::gregorianlimit() {
  informationbox(this, inlanguage(gregorianlimittitle, language()), inlanguage(gregorianlimittext, language()));
}

}  // namespace quendal
