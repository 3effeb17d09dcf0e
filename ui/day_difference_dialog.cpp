// DayDifferenceDialog: the difference between two dates.
#include "reports/day_difference.h"
#include "ui/configuration_evaluation.h"
#include "ui/platform/platform.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  const LocalDateTime today = localnow();
  DayDifferenceInputs in;
  in.year1 = d.number("year1");
  in.month1 = d.number("month1");
  in.day1 = d.number("day1");
  in.year2 = d.number("year2");
  in.month2 = d.number("month2");
  in.day2 = d.number("day2");
  in.direction = d.state().session.differenceDirection();
  in.todayyear = today.year;
  in.todaymonth = today.month;
  in.todayday = today.day;
  const DayDifferenceReport r = builddaydifference(in, d.language());
  d.setnumber("year1", r.year1);
  d.setnumber("month1", r.month1);
  d.setnumber("day1", r.day1);
  d.setnumber("year2", r.year2);
  d.setnumber("month2", r.month2);
  d.setnumber("day2", r.day2);
  d.showreport(r.text);
}

void direction(ToolDialog& d) {
  ToolSession& session = d.state().session;
  session.setDifferenceDirection(session.differenceDirection() ? 0 : 1);
  d.recalculate();
}

void details(ToolDialog& d) { showConfigurationEvaluation(&d, d.state().application); }

void closing(ToolDialog& d) { d.state().session.setDifferenceDirection(0); }

using namespace controls;

// The years of the dates.
constexpr YearRange years{100, 9999};

// The first date starts at 31 December of last year, the second today.
const ControlSpec dialogcontrols[] = {
    {.kind = Control::field,
     .key = "year1",
     .label = {"Jahr:", "Year:"},
     .maxlength = 4,
     .minimum = years.first,
     .maximum = years.last,
     .initial = Initial::lastyear,
     .year = true,
     .name = {"Erstes Datum Jahr", "First Date Year"},
     .row = 0,
     .column = 0},
    {.kind = Control::field,
     .key = "month1",
     .label = {"Monat:", "Month:"},
     .minimum = 1,
     .maximum = maxmonth,
     .value = 12,
     .name = {"Erstes Datum Monat", "First Date Month"},
     .row = 0,
     .column = 2},
    {.kind = Control::field,
     .key = "day1",
     .label = {"Tag:", "Day:"},
     .minimum = 1,
     .maximum = maxday,
     .value = 31,
     .name = {"Erstes Datum Tag", "First Date Day"},
     .row = 0,
     .column = 4},
    {.kind = Control::field,
     .key = "year2",
     .label = {"Jahr:", "Year:"},
     .maxlength = 4,
     .minimum = years.first,
     .maximum = years.last,
     .initial = Initial::todayyear,
     .year = true,
     .name = {"Zweites Datum Jahr", "Second Date Year"},
     .row = 1,
     .column = 0},
    {.kind = Control::field,
     .key = "month2",
     .label = {"Monat:", "Month:"},
     .minimum = 1,
     .maximum = maxmonth,
     .initial = Initial::todaymonth,
     .name = {"Zweites Datum Monat", "Second Date Month"},
     .row = 1,
     .column = 2},
    {.kind = Control::field,
     .key = "day2",
     .label = {"Tag:", "Day:"},
     .minimum = 1,
     .maximum = maxday,
     .initial = Initial::todayday,
     .name = {"Zweites Datum Tag", "Second Date Day"},
     .row = 1,
     .column = 4},
    button("direction", {"+ <--> -", "+ <--> -"}, direction).at(0, 0),
    button("details", {"Details...", "Details..."}, details).at(0, 1),
    printbutton().at(0, 2),
    okbutton().at(0, 3),
};

}  // namespace

const ToolDialogTable DayDifferenceDialog = {
    .name = "day_difference",
    .templateid = 104,
    .icon = "day_difference",
    .width = 256,
    .height = 160,
    .caption = {"Tagesdifferenzkalkulator", "Day Difference Calculator"},
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
    .closing = closing,
};

}  // namespace quendal
