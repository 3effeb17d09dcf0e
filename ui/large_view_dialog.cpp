// LargeViewDialog: the holidays of the current year or four month calendars.
#include <algorithm>

#include "reports/large_view.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr YearRange gregorian{1583, 9999};  // the years the dialog steps within
constexpr int holidaylist = 0;              // the report page before January: the holidays
constexpr int january = 1;                  // the report pages of the months
constexpr int december = 12;

void calculate(ToolDialog& d) {
  const CalendarPosition& p = d.state().position;
  const LargeView r = buildlargeview({p.currentyear(), p.reportpage()}, d.language());
  if (!r.built) return;
  d.showreport(r.text);
}

// "Feiertage": the holiday list.
void holidays(ToolDialog& d) {
  d.state().position.setReportpage(holidaylist);
  d.recalculate();
}

// "Minus": the month before (January goes to December of the year before,
// never below 1583: in 1583 January and the holiday list stay); the holiday
// list counts as January.
void minus(ToolDialog& d) {
  CalendarPosition& p = d.state().position;
  const int month = std::max(p.reportpage(), january) - 1;
  if (month >= january) {
    p.setReportpage(month);
  } else if (p.currentyear() > gregorian.first) {
    p.setPosition(p.currentyear() - 1, december);
  }
  d.recalculate();
}

// "Plus": the month after (December goes to January of the year after,
// never above 9999).
void plus(ToolDialog& d) {
  CalendarPosition& p = d.state().position;
  const int month = std::clamp(p.reportpage(), holidaylist, december) + 1;
  if (month <= december) {
    p.setReportpage(month);
  } else if (p.currentyear() < gregorian.last) {
    p.setPosition(p.currentyear() + 1, january);
  }
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    button("holidays", {"Feiertage", "Holidays"}, holidays).at(0, 0),
    button("minus", {"Minus", "Minus"}, minus).at(0, 1),
    button("plus", {"Plus", "Plus"}, plus).at(0, 2),
    printbutton().at(0, 3),
    okbutton().at(0, 4),
};

}  // namespace

const ToolDialogTable LargeViewDialog = {
    .name = "large_view",
    .templateid = 103,
    .icon = "large_view",
    .width = 275,
    .height = 346,
    .caption = {"Osterdatum und Kalender Großansicht", "Easter Date and Calender Details"},
    .controls = dialogcontrols,
    .calculate = calculate,
    .closing = toolsteps::restoresavedposition,
};

}  // namespace quendal
