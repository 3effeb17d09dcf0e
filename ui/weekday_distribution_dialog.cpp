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

constexpr YearRange years{100, 9999};  // the years of the range

// The first and the last year of the range, starting this year.
constexpr ControlSpec yearrange(const char* key, Bilingual label) {
  return {.kind = Control::field,
          .key = key,
          .label = label,
          .maxlength = 4,
          .minimum = years.first,
          .maximum = years.last,
          .initial = Initial::todayyear,
          .year = true};
}

// The first and the last month of the range, starting at a month.
constexpr ControlSpec monthrange(const char* key, Bilingual label, int startmonth) {
  return {.kind = Control::field, .key = key, .label = label, .minimum = 1, .maximum = maxmonth, .value = startmonth};
}

// The range starts as the months of this year; the day as the 13th.
const ControlSpec dialogcontrols[] = {
    yearrange("fromyear", {"Jahr von:", "Year from:"}).at(0, 0),
    monthrange("frommonth", {"Monat von:", "Month from:"}, 1).at(0, 2),
    {.kind = Control::field,
     .key = "day",
     .label = {"Tag:", "Day:"},
     .minimum = 1,
     .maximum = maxday,
     .value = 13,
     .row = 0,
     .column = 4},
    yearrange("toyear", {"Jahr bis:", "Year to:"}).at(1, 0),
    monthrange("tomonth", {"Monat bis:", "Month to:"}, 12).at(1, 2),
    printbutton().at(0, 0),
    okbutton().at(0, 1),
};

}  // namespace

const ToolDialogTable WeekdayDistributionDialog = {
    .name = "weekday_distribution",
    .templateid = 123,
    .icon = "weekdays",
    .width = 360,
    .height = 203,
    .caption = {"Verteilung der Wochentage", "Distribution of the Weekdays"},
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
};

}  // namespace quendal
