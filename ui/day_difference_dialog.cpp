// DayDifferenceDialog: the difference between two dates.
#include "reports/day_difference.h"
#include "ui/configuration_evaluation.h"
#include "ui/configuration_reading.h"
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
  in.direction = d.state().differenceDirection;
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
  d.state().differenceDirection = d.state().differenceDirection ? 0 : 1;
  d.recalculate();
}

void details(ToolDialog& d) { showConfigurationEvaluation(&d, d.state()); }

void closing(ToolDialog& d) { d.state().differenceDirection = 0; }

using namespace controls;

constexpr ControlSpec datefield(const char* key, const char* german, const char* english, int maxlength, int minimum,
                                int maximum, Initial initial, int value, bool year, const char* germanname,
                                const char* englishname, int row, int column) {
  return {.kind = Control::field,
          .key = key,
          .german = german,
          .english = english,
          .maxlength = maxlength,
          .minimum = minimum,
          .maximum = maximum,
          .initial = initial,
          .value = value,
          .year = year,
          .germanname = germanname,
          .englishname = englishname,
          .row = row,
          .column = column};
}

const ControlSpec dialogcontrols[] = {
    datefield("year1", "Jahr:", "Year:", 4, 100, 9999, Initial::lastyear, 0, true, "Erstes Datum Jahr",
              "First Date Year", 0, 0),
    datefield("month1", "Monat:", "Month:", 2, 1, 12, Initial::constant, 12, false, "Erstes Datum Monat",
              "First Date Month", 0, 2),
    datefield("day1", "Tag:", "Day:", 2, 1, 31, Initial::constant, 31, false, "Erstes Datum Tag", "First Date Day", 0,
              4),
    datefield("year2", "Jahr:", "Year:", 4, 100, 9999, Initial::todayyear, 0, true, "Zweites Datum Jahr",
              "Second Date Year", 1, 0),
    datefield("month2", "Monat:", "Month:", 2, 1, 12, Initial::todaymonth, 0, false, "Zweites Datum Monat",
              "Second Date Month", 1, 2),
    datefield("day2", "Tag:", "Day:", 2, 1, 31, Initial::todayday, 0, false, "Zweites Datum Tag", "Second Date Day", 1,
              4),
    button("direction", "+ <--> -", "+ <--> -", direction, 0, 0),
    button("details", "Details...", "Details...", details, 0, 1),
    printbutton(0, 2),
    okbutton(0, 3),
};

}  // namespace

const ToolDialogTable DayDifferenceDialog = {
    .name = "day_difference",
    .templateid = 104,
    .icon = "day_difference",
    .width = 256,
    .height = 160,
    .german = "Tagesdifferenzkalkulator",
    .english = "Day Difference Calculator",
    .controls = dialogcontrols,
    .yearcharacters = 3,
    .calculate = calculate,
    .closing = closing,
};

}  // namespace quendal
