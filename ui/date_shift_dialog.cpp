// DateShiftDialog: a date moved a number of days into the past and the future.
#include "reports/date_shift.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  DateShiftInputs in;
  in.year = d.number("year");
  in.month = d.number("month");
  in.day = d.number("day");
  in.days = d.number("days");
  const DateShiftReport r = builddateshift(in, d.language());
  d.date = {r.year, r.month, r.day};
  d.setnumber("year", r.year);
  d.setnumber("month", r.month);
  d.setnumber("day", r.day);
  d.setnumber("days", r.days);
  d.showreport(r.text);
}

// The years of the dates.
constexpr YearRange years{100, 9999};
// The greatest day count.
constexpr int maxdays = 999999;

// The step buttons beside "Tage:"; the changed field restarts the timer.
void setdays(ToolDialog& d, int days) {
  d.setnumber("days", days);
  d.restarttimer();
}

// "-" to "----": the count less the step, unless it would go below 0.
template <int step>
void daysback(ToolDialog& d) {
  const int days = d.number("days");
  if (days < step) return;
  setdays(d, days - step);
}

// "+" to "++++": the count plus the step, unless the count is `limit` or
// more. "+" and "++++" stop where the sum would pass the greatest count,
// "++" and "+++" where it would reach it.
template <int step, int limit>
void dayson(ToolDialog& d) {
  const int days = d.number("days");
  if (days >= limit) return;
  setdays(d, days + step);
}

void dayback(ToolDialog& d) {
  toolsteps::stepday(d, -1, years);
  d.recalculate();
}

void dayon(ToolDialog& d) {
  toolsteps::stepday(d, 1, years);
  d.recalculate();
}

using namespace controls;

// A step button: its text is the same in both languages.
constexpr ControlSpec daystep(const char* key, const char* label, ToolAction action) {
  return fieldbutton(key, {label, label}, action).instrip(2);
}

const ControlSpec dialogcontrols[] = {
    yearfield(years).at(0, 0),
    monthfield().at(0, 2),
    dayfield().at(0, 4),
    {.kind = Control::field,
     .key = "days",
     .label = {"Tage:", "Days:"},
     .maxlength = 6,
     .minimum = 0,
     .maximum = maxdays,
     .row = 1,
     .column = 0},
    daystep("minus1000", "----", daysback<1000>),
    daystep("minus100", "---", daysback<100>),
    daystep("minus10", "--", daysback<10>),
    daystep("minus1", "-", daysback<1>),
    daystep("plus1", "+", dayson<1, maxdays>),
    daystep("plus10", "++", dayson<10, maxdays - 10>),
    daystep("plus100", "+++", dayson<100, maxdays - 100>),
    daystep("plus1000", "++++", dayson<1000, maxdays - 1000 + 1>),
    button("dayback", {"Tag -", "Day -"}, dayback).at(0, 0),
    button("dayon", {"Tag +", "Day +"}, dayon).at(0, 1),
    printbutton().at(0, 2),
    okbutton().at(0, 3),
};

}  // namespace

const ToolDialogTable DateShiftDialog = {
    .name = "date_shift",
    .templateid = 107,
    .icon = "date_shift",
    .width = 256,
    .height = 230,
    .caption = {"Tagesdifferenz ermitteln", "Day Difference Calculator"},
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
};

}  // namespace quendal
