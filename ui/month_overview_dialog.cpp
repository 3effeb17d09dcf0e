// MonthOverviewDialog: one line per day of the current month.
#include <algorithm>

#include "reports/month_overview.h"
#include "ui/configuration_reading.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange gregorian{1583, 9999};  // the years the dialog steps within
constexpr int january = 1;
constexpr int december = 12;

void calculate(ToolDialog& d) {
  DesktopState& s = d.state();
  loadconfiguration(s.application);
  const MonthOverview r = buildmonthoverview({s.position.currentyear(), s.position.reportpage(),
                                              s.session.locationindex(), s.application.configuration.locationTable},
                                             d.language());
  s.position.setPosition(r.year, r.month);
  d.setdialogicon(r.icon);
  d.showreport(r.text);
}

void opening(ToolDialog& d) { d.state().session.setLocationindex(0); }

// "Monat -" / "Monat +": the month with year carry, the position kept
// within January 1583..January 9999.
void stepmonth(ToolDialog& d, int months) {
  CalendarPosition& p = d.state().position;
  int month = std::clamp(p.reportpage(), january, december) + months;
  int year = p.currentyear();
  if (month > december) month = january, ++year;
  if (month < january) month = december, --year;
  if (year > gregorian.last || year < gregorian.first)
    year = std::clamp(year, gregorian.first, gregorian.last), month = january;
  p.setPosition(year, month);
  d.recalculate();
}

// "Jahr -" / "Jahr +": the year within 1583..9999.
void stepyear(ToolDialog& d, int years) {
  CalendarPosition& p = d.state().position;
  p.setCurrentyear(std::clamp(p.currentyear() + years, gregorian.first, gregorian.last));
  d.recalculate();
}

void previousmonth(ToolDialog& d) { stepmonth(d, -1); }
void nextmonth(ToolDialog& d) { stepmonth(d, 1); }
void previousyear(ToolDialog& d) { stepyear(d, -1); }
void nextyear(ToolDialog& d) { stepyear(d, 1); }

// "Pos -" / "Pos +": the configured place of the location index.
void stepplace(ToolDialog& d, int step) {
  DesktopState& s = d.state();
  s.session.setLocationindex(toolsteps::steppedplace(s.application, s.session.locationindex(), step));
  d.recalculate();
}

void previousplace(ToolDialog& d) { stepplace(d, -1); }
void nextplace(ToolDialog& d) { stepplace(d, 1); }

using namespace controls;

const ControlSpec dialogcontrols[] = {
    button("previousmonth", {"Monat -", "Month -"}, previousmonth).at(0, 0),
    button("nextmonth", {"Monat +", "Month +"}, nextmonth).at(0, 1),
    button("previousyear", {"Jahr -", "Year -"}, previousyear).at(0, 2),
    button("nextyear", {"Jahr +", "Year +"}, nextyear).at(0, 3),
    button("previousplace", {"Pos -", "Pos -"}, previousplace).at(0, 4),
    button("nextplace", {"Pos +", "Pos +"}, nextplace).at(0, 5),
    printbutton().at(0, 6),
    okbutton().at(0, 7),
};

}  // namespace

const ToolDialogTable MonthOverviewDialog = {
    .name = "month_overview",
    .templateid = 108,
    .icon = "month_overview",
    .width = 500,
    .height = 355,
    .caption = {"Monatsübersicht", "Month Overview"},
    .controls = dialogcontrols,
    .calculate = calculate,
    .opening = opening,
    .closing = toolsteps::restoresavedposition,
};

}  // namespace quendal
