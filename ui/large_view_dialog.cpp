// LargeViewDialog: the holidays of the current year or four month calendars.
#include <algorithm>

#include "reports/large_view.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  ApplicationState& s = d.state();
  const LargeView r = buildlargeview({s.currentyear, s.reportpage}, d.language());
  if (!r.built) return;
  d.showreport(r.text);
}

// "Feiertage": the holiday list.
void holidays(ToolDialog& d) {
  d.state().reportpage = 0;
  d.recalculate();
}

// "Minus": the month before (January goes to December of the year before,
// never below 1583); the holiday list counts as January.
void minus(ToolDialog& d) {
  ApplicationState& s = d.state();
  const int month = std::max(s.reportpage, 1) - 1;
  if (month >= 1) {
    s.reportpage = month;
  } else if (s.currentyear > 1583) {
    --s.currentyear;
    s.reportpage = 12;
  } else {
    s.reportpage = 1;
  }
  d.recalculate();
}

// "Plus": the month after (December goes to January of the year after,
// never above 9999).
void plus(ToolDialog& d) {
  ApplicationState& s = d.state();
  const int month = std::clamp(s.reportpage, 0, 12) + 1;
  if (month <= 12) {
    s.reportpage = month;
  } else if (s.currentyear < 9999) {
    ++s.currentyear;
    s.reportpage = 1;
  }
  d.recalculate();
}

using namespace controls;

const ControlSpec dialogcontrols[] = {
    button("holidays", "Feiertage", "Holidays", holidays, 0, 0),
    button("minus", "Minus", "Minus", minus, 0, 1),
    button("plus", "Plus", "Plus", plus, 0, 2),
    printbutton(0, 3),
    okbutton(0, 4),
};

}  // namespace

const ToolDialogTable LargeViewDialog = {
    .name = "large_view",
    .templateid = 103,
    .icon = "large_view",
    .width = 275,
    .height = 346,
    .german = "Osterdatum und Kalender Großansicht",
    .english = "Easter Date and Calender Details",
    .controls = dialogcontrols,
    .calculate = calculate,
    .closing = toolsteps::restoresavedposition,
};

}  // namespace quendal
