// EasterDistributionDialog: how often a movable feast falls on each date.
#include "reports/easter_distribution.h"
#include "ui/tool_controls.h"
#include "ui/tool_dialogs.h"

namespace quendal {

namespace {

constexpr int feasts = 4;                   // the feasts 0..3 of "Feiertag -" / "Feiertag +"
constexpr YearRange gregorian{1583, 9999};  // the years of the range

// The dialog's own state.
struct EasterDistributionState {
  EasterDistributionFeast feast = distributioneaster;
};

void calculate(ToolDialog& d) {
  EasterDistributionInputs in;
  in.firstyear = d.number("from");
  in.lastyear = d.number("to");
  in.feast = d.own<EasterDistributionState>().feast;
  const EasterDistributionReport r = buildeasterdistribution(in, d.language());
  d.setnumber("from", r.firstyear);
  d.setnumber("to", r.lastyear);
  d.setdialogicon(r.icon);
  d.showreport(r.text);
}

// The feast the dialog opens with: its initial listing.
void opening(ToolDialog& d) {
  d.own<EasterDistributionState>().feast = static_cast<EasterDistributionFeast>(d.initiallisting());
}

// "Feiertag -" / "Feiertag +": the four feasts in a cycle.
void stepfeast(ToolDialog& d, int step) {
  EasterDistributionFeast& feast = d.own<EasterDistributionState>().feast;
  feast = static_cast<EasterDistributionFeast>((feast + feasts + step) % feasts);
  d.recalculate();
}

void previousfeast(ToolDialog& d) { stepfeast(d, -1); }
void nextfeast(ToolDialog& d) { stepfeast(d, 1); }

using namespace controls;

// The first and the last year of the range, starting at a year.
constexpr ControlSpec yearrange(const char* key, Bilingual label, int startyear) {
  return {.kind = Control::field,
          .key = key,
          .label = label,
          .maxlength = 4,
          .minimum = gregorian.first,
          .maximum = gregorian.last,
          .value = startyear,
          .year = true};
}

const ControlSpec dialogcontrols[] = {
    yearrange("from", {"Jahr von:", "Year from:"}, 1950).at(0, 0),
    yearrange("to", {"Jahr bis:", "Year to:"}, 2050).at(0, 2),
    button("previous", {"Feiertag -", "Holiday -"}, previousfeast).at(0, 0),
    button("next", {"Feiertag +", "Holiday +"}, nextfeast).at(0, 1),
    printbutton().at(0, 2),
    okbutton().at(0, 3),
};

}  // namespace

const ToolDialogTable EasterDistributionDialog = {
    .name = "easter_distribution",
    .templateid = 125,
    .icon = "easter_distribution",
    .width = 500,
    .height = 350,
    .caption = {"Osterdatum - Verteilung", "Distribution of the Easter Date"},
    .controls = dialogcontrols,
    .calculate = calculate,
    .opening = opening,
};

}  // namespace quendal
