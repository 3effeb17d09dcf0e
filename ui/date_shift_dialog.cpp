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

// The step buttons beside "Tage:": add the step unless the count is `limit`
// or more, subtract it unless the count is `limit` or less; the changed
// field restarts the timer.
template <int step, int limit>
void stepdays(ToolDialog& d) {
  const int days = d.number("days");
  if (step > 0 ? days >= limit : days <= limit) return;
  d.setnumber("days", days + step);
  d.restarttimer();
}

void dayback(ToolDialog& d) {
  toolsteps::stepday(d, -1, 100, 9999);
  d.recalculate();
}

void dayon(ToolDialog& d) {
  toolsteps::stepday(d, 1, 100, 9999);
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    yearfield(100, 9999, 0, 0),
    monthfield(0, 2),
    dayfield(0, 4),
    field("days", "Tage:", "Days:", 6, 0, 999999, 0, 1, 0),
    fieldbutton("minus1000", "----", "----", stepdays<-1000, 999>, 2),
    fieldbutton("minus100", "---", "---", stepdays<-100, 99>, 2),
    fieldbutton("minus10", "--", "--", stepdays<-10, 9>, 2),
    fieldbutton("minus1", "-", "-", stepdays<-1, 0>, 2),
    fieldbutton("plus1", "+", "+", stepdays<1, 999999>, 2),
    fieldbutton("plus10", "++", "++", stepdays<10, 999989>, 2),
    fieldbutton("plus100", "+++", "+++", stepdays<100, 999899>, 2),
    fieldbutton("plus1000", "++++", "++++", stepdays<1000, 999000>, 2),
    button("dayback", "Tag -", "Day -", dayback, 0, 0),
    button("dayon", "Tag +", "Day +", dayon, 0, 1),
    printbutton(0, 2),
    okbutton(0, 3),
};

}  // namespace

const ToolDialogTable DateShiftDialog = {
    .name = "date_shift",
    .templateid = 107,
    .icon = "date_shift",
    .width = 256,
    .height = 230,
    .german = "Tagesdifferenz ermitteln",
    .english = "Day Difference Calculator",
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
};

}  // namespace quendal
