// WeekdayDistributionDialog: how often a day of the month falls on each weekday.
#include "reports/weekday_distribution.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  WeekdayDistributionInputs in;
  in.firstyear = d.number("fromyear");
  in.firstmonth = d.number("frommonth");
  in.day = d.number("day");
  in.lastyear = d.number("toyear");
  in.lastmonth = d.number("tomonth");
  const WeekdayDistributionReport r = buildweekdaydistribution(in, d.language());
  d.setnumber("fromyear", r.firstyear);
  d.setnumber("frommonth", r.firstmonth);
  d.setnumber("day", r.day);
  d.setnumber("toyear", r.lastyear);
  d.setnumber("tomonth", r.lastmonth);
  d.setdialogicon(r.icon);
  d.showreport(r.text);
}

using namespace controls;

constexpr ControlSpec yearrange(const char* key, const char* german, const char* english, int row) {
  return {.kind = Control::field,
          .key = key,
          .german = german,
          .english = english,
          .maxlength = 4,
          .minimum = 100,
          .maximum = 9999,
          .initial = Initial::todayyear,
          .year = true,
          .row = row,
          .column = 0};
}

const ControlSpec dialogcontrols[] = {
    yearrange("fromyear", "Jahr von:", "Year from:", 0),
    field("frommonth", "Monat von:", "Month from:", 2, 1, 12, 1, 0, 2),
    field("day", "Tag:", "Day:", 2, 1, 31, 13, 0, 4),
    yearrange("toyear", "Jahr bis:", "Year to:", 1),
    field("tomonth", "Monat bis:", "Month to:", 2, 1, 12, 12, 1, 2),
    printbutton(0, 0),
    okbutton(0, 1),
};

}  // namespace

const ToolDialogTable WeekdayDistributionDialog = {
    .name = "weekday_distribution",
    .templateid = 123,
    .icon = "weekdays",
    .width = 360,
    .height = 203,
    .german = "Verteilung der Wochentage",
    .english = "Distribution of the Weekdays",
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
};

}  // namespace quendal
