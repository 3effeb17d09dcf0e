// EasterDistributionDialog: how often a movable feast falls on each date.
#include "reports/easter_distribution.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

void calculate(ToolDialog& d) {
  EasterDistributionInputs in;
  in.firstyear = d.number("from");
  in.lastyear = d.number("to");
  in.feast = d.state().dialogselector;
  const EasterDistributionReport r = buildeasterdistribution(in, d.language());
  d.setnumber("from", r.firstyear);
  d.setnumber("to", r.lastyear);
  d.setdialogicon(r.icon);
  d.showreport(r.text);
}

// "Feiertag -" / "Feiertag +": the four feasts 0..3 in a cycle.
void previousfeast(ToolDialog& d) {
  d.state().dialogselector = (d.state().dialogselector + 3) % 4;
  d.recalculate();
}

void nextfeast(ToolDialog& d) {
  d.state().dialogselector = (d.state().dialogselector + 1) % 4;
  d.recalculate();
}

using namespace controls;

constexpr ControlSpec yearrange(const char* key, const char* german, const char* english, int value, int column) {
  ControlSpec c = field(key, german, english, 4, 1583, 9999, value, 0, column);
  c.year = true;
  return c;
}

const ControlSpec dialogcontrols[] = {
    yearrange("from", "Jahr von:", "Year from:", 1950, 0),
    yearrange("to", "Jahr bis:", "Year to:", 2050, 2),
    button("previous", "Feiertag -", "Holiday -", previousfeast, 0, 0),
    button("next", "Feiertag +", "Holiday +", nextfeast, 0, 1),
    printbutton(0, 2),
    okbutton(0, 3),
};

}  // namespace

const ToolDialogTable EasterDistributionDialog = {
    .name = "easter_distribution",
    .templateid = 125,
    .icon = "easter_distribution",
    .width = 500,
    .height = 350,
    .german = "Osterdatum - Verteilung",
    .english = "Distribution of the Easter Date",
    .controls = dialogcontrols,
    .calculate = calculate,
};

}  // namespace quendal
