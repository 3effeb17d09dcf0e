// MonthOverviewDialog: one line per day of the current month.
#include <algorithm>

#include "reports/month_overview.h"
#include "ui/configuration_reading.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  readconfiguration(s);
  const MonthOverview r =
      buildmonthoverview({s.currentyear, s.reportpage, s.locationindex, s.configuration.locationTable}, d.language());
  s.currentyear = r.year;
  s.reportpage = r.month;
  d.setdialogicon(r.icon);
  d.showreport(r.text);
}

void opening(ToolDialog& d) {
  d.state().locationindex = 0;
  d.placefromtable = false;
}

// "Monat -" / "Monat +": the month with year carry, the position kept
// within January 1583..January 9999.
void stepmonth(ToolDialog& d, int months) {
  ApplicationState& s = d.state();
  int month = std::clamp(s.reportpage, 1, 12) + months;
  int year = s.currentyear;
  if (month > 12) month = 1, ++year;
  if (month < 1) month = 12, --year;
  if (year > 9999 || year < 1583) year = std::clamp(year, 1583, 9999), month = 1;
  s.currentyear = year;
  s.reportpage = month;
  d.recalculate();
}

// "Jahr -" / "Jahr +": the year within 1583..9999.
void stepyear(ToolDialog& d, int years) {
  ApplicationState& s = d.state();
  s.currentyear = std::clamp(s.currentyear + years, 1583, 9999);
  d.recalculate();
}

void previousmonth(ToolDialog& d) { stepmonth(d, -1); }
void nextmonth(ToolDialog& d) { stepmonth(d, 1); }
void previousyear(ToolDialog& d) { stepyear(d, -1); }
void nextyear(ToolDialog& d) { stepyear(d, 1); }

void previousplace(ToolDialog& d) {
  d.state().locationindex = toolsteps::steppedplace(d.state(), d.state().locationindex, -1);
  d.recalculate();
}

void nextplace(ToolDialog& d) {
  d.state().locationindex = toolsteps::steppedplace(d.state(), d.state().locationindex, 1);
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    button("previousmonth", "Monat -", "Month -", previousmonth, 0, 0),
    button("nextmonth", "Monat +", "Month +", nextmonth, 0, 1),
    button("previousyear", "Jahr -", "Year -", previousyear, 0, 2),
    button("nextyear", "Jahr +", "Year +", nextyear, 0, 3),
    button("previousplace", "Pos -", "Pos -", previousplace, 0, 4),
    button("nextplace", "Pos +", "Pos +", nextplace, 0, 5),
    printbutton(0, 6),
    okbutton(0, 7),
};

}  // namespace

const ToolDialogTable MonthOverviewDialog = {
    .name = "month_overview",
    .templateid = 108,
    .icon = "month_overview",
    .width = 500,
    .height = 355,
    .german = "Monatsübersicht",
    .english = "Month Overview",
    .controls = dialogcontrols,
    .calculate = calculate,
    .opening = opening,
    .closing = toolsteps::restoresavedposition,
};

}  // namespace quendal
